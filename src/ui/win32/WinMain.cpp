// The program entry of Dormo.exe: the application object, the window from its
// definition with both tickers (`tmUser` running), the single-instance guard,
// `FormCreate`, and the event loop of the copy that goes on.
#include "ui/TForm1.h"
#include "ui/win32/Win32Application.h"
#include "ui/win32/Win32Form.h"
#include "ui/win32/Win32Services.h"
#include "ui/win32/Win32Ticker.h"

#include <objbase.h>
#include <windows.h>

namespace {

// The shell may use COM to open documents; it wants an apartment thread.
class ComApartment {
public:
    ComApartment()
        : ok_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (ok_)
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool ok_;
};

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ComApartment com;
    Win32Application application(instance);
    Win32Screen screen;
    Win32Ticker tmUser(application, 1, &TForm1::tmUserTimer);
    Win32Ticker tmMain(application, 2, &TForm1::tmMainTimer);
    Win32Form window(application, screen);
    tmUser.Start();

    const bool firstCopy = application.ClaimInstance();
    if (!firstCopy)
        application.HandOver();

    Win32SettingsFile settings;
    Win32Shell shell;
    Win32Dialogs dialogs;
    const Platform platform{
        window, window.LMDLabel1(), window.Label1(), window.Label2(), tmUser, tmMain,
        screen, settings,           shell,           dialogs};
    TForm1 form(platform);
    application.Attach(form, window.Handle(), firstCopy);
    form.FormCreate();
    return application.Run();
}
