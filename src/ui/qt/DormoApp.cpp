#include "DormoApp.h"

#include "SettingsLocation.h"

namespace {

// Linux names its own shutdown tool for command 2.
CommandDefaults LinuxCommandDefaults() {
    return {"systemctl", "poweroff"};
}

// How long a request to come back waits for the window system's activation
// before the program runs it itself.
constexpr int ActivationWaitMs = 1000;

} // namespace

DormoApp::DormoApp(QApplication& application)
    : application_(application), gate_([] { QCoreApplication::quit(); }),
      settings_(PrepareSettingsFile()),
      window_(screen_.PixelsPerInch(), {[this](TForm1Definition::MenuItem item) {
                                            gate_.Run([this, item] { form_.MenuClick(item); });
                                        },
                                        [this] { Close(); }}),
      LMDLabel1_(window_.LMDLabel1()), Label1_(window_.Label1()), Label2_(window_.Label2()),
      tmUser_([this] { gate_.RunTick([this] { form_.tmUserTimer(); }); }, true),
      tmMain_([this] { gate_.RunTick([this] { form_.tmMainTimer(); }); }, false),
      form_(Platform{window_, LMDLabel1_, Label1_, Label2_, tmUser_, tmMain_, screen_, settings_,
                     shell_, dialogs_},
            LinuxCommandDefaults()),
      hook_([this](const HookMessage& message) {
          gate_.Run([this, message] { form_.AppOnMessage(message.message, message.wParam); });
      }) {
    application_.setQuitOnLastWindowClosed(false);
    application_.installEventFilter(&hook_);
    QObject::connect(&application_, &QGuiApplication::applicationStateChanged,
                     [this](Qt::ApplicationState state) { OnApplicationState(state); });
    activationFallback_.setSingleShot(true);
    QObject::connect(&activationFallback_, &QTimer::timeout, [this] {
        if (!activationAwaited_)
            return;
        activationAwaited_ = false;
        gate_.Run([this] { form_.AppOnActivate(); });
    });
}

DormoApp::~DormoApp() {
    application_.removeEventFilter(&hook_);
}

int DormoApp::Run() {
    const bool first = instance_.Claim([this] { OnComeBackRequest(); });
    // Both copies load (and complete) the settings file; an error there is
    // shown by the form before a later copy ends.
    gate_.Run([this] { form_.FormCreate(); });
    if (!first)
        return 0;
    gate_.Started();
    if (gate_.Closing())
        return 0;
    window_.Show();
    return QApplication::exec();
}

void DormoApp::OnApplicationState(Qt::ApplicationState state) {
    const bool activated = state == Qt::ApplicationActive && lastState_ != Qt::ApplicationActive;
    lastState_ = state;
    if (activated)
        QueueActivate();
}

void DormoApp::QueueActivate() {
    activationAwaited_ = false;
    QTimer::singleShot(0, [this] { gate_.Run([this] { form_.AppOnActivate(); }); });
}

void DormoApp::OnComeBackRequest() {
    if (gate_.Closing())
        return;
    // The window comes up and asks to be the active one; if the window system
    // gives no activation (it is already ours, or it refuses), run it anyway.
    activationAwaited_ = true;
    window_.ShowActive();
    if (lastState_ == Qt::ApplicationActive) {
        QueueActivate();
        return;
    }
    activationFallback_.start(ActivationWaitMs);
}

void DormoApp::Close() {
    gate_.RequestClose();
    dialogs_.DismissOpen();
}
