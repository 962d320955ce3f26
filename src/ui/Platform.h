// Everything the timer logic, the settings and the launcher may call: the
// window and its components, the screen, the settings file, the shell and the
// dialogs. A front end owns the services; this only refers to them.
#pragma once

#include "ui/BigLabel.h"
#include "ui/Dialogs.h"
#include "ui/Screen.h"
#include "ui/SettingsFile.h"
#include "ui/Shell.h"
#include "ui/StatusLabel.h"
#include "ui/Ticker.h"
#include "ui/TimerWindow.h"

struct Platform {
    TimerWindow& window;
    BigLabel& LMDLabel1;
    StatusLabel& Label1;
    StatusLabel& Label2;
    Ticker& tmUser;
    Ticker& tmMain;
    const Screen& screen;
    SettingsFile& settings;
    Shell& shell;
    Dialogs& dialogs;
};
