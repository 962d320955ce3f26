// The Linux program: owns the Qt window, its tickers and the other services
// of the seam, the single-instance guard and the one `TForm1`, and wires the
// application's input, activation and ticks to the form. Created in main()
// after the QApplication and kept until the program ends.
#pragma once

#include "HandlerGate.h"
#include "InputHook.h"
#include "QtBigLabel.h"
#include "QtDialogs.h"
#include "QtScreen.h"
#include "QtShell.h"
#include "QtStatusLabel.h"
#include "QtTicker.h"
#include "QtTimerWindow.h"
#include "SingleInstance.h"
#include "settings/ProfileStore.h"
#include "ui/TForm1.h"

#include <QApplication>
#include <QTimer>

class DormoApp {
public:
    explicit DormoApp(QApplication& application);
    DormoApp(const DormoApp&) = delete;
    DormoApp& operator=(const DormoApp&) = delete;
    ~DormoApp();

    // The program entry after the window exists: the single-instance check,
    // `FormCreate`, then the event loop for the first copy. The exit code.
    int Run();

private:
    void OnApplicationState(Qt::ApplicationState state);
    void QueueActivate();
    void OnComeBackRequest();
    void Close();

    QApplication& application_;
    HandlerGate gate_;
    QtScreen screen_;
    QtDialogs dialogs_;
    QtShell shell_;
    PortableSettingsFile settings_;
    QtTimerWindow window_;
    QtBigLabel LMDLabel1_;
    QtStatusLabel Label1_;
    QtStatusLabel Label2_;
    QtTicker tmUser_;
    QtTicker tmMain_;
    TForm1 form_;
    InputHook hook_;
    SingleInstance instance_;
    Qt::ApplicationState lastState_ = Qt::ApplicationInactive;
    // Set by a later copy's request; cleared when the activation arrives.
    bool activationAwaited_ = false;
    QTimer activationFallback_;
};
