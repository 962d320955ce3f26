#include "ui/TForm1.h"

#include <exception>

TForm1::TForm1(const Platform& platform, const CommandDefaults& defaults)
    : platform_(platform), launcher_(state_, platform_),
      logic_(state_, launcher_, platform_, defaults) {}

void TForm1::Run(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        platform_.dialogs.ShowError(std::string(error.what()) + ".");
    } catch (...) {
        platform_.dialogs.ShowError("Unexpected error.");
    }
}

void TForm1::FormCreate() {
    Run([this] {
        hooked_ = true;
        logic_.FormCreate();
    });
}

void TForm1::AppOnMessage(std::uint32_t message, std::uint32_t wParam) {
    if (hooked_)
        Run([&] { logic_.AppOnMessage(message, wParam); });
}

void TForm1::AppOnActivate() {
    if (hooked_)
        Run([this] { logic_.AppOnActivate(); });
}

void TForm1::tmUserTimer() {
    Run([this] { logic_.tmUserTimer(); });
}

void TForm1::tmMainTimer() {
    Run([this] { logic_.tmMainTimer(); });
}

void TForm1::StartCommand11Click() {
    Run([this] { launcher_.StartCommand11Click(); });
}

void TForm1::StartCommand21Click() {
    Run([this] { launcher_.StartCommand21Click(); });
}

void TForm1::EditINIfile1Click() {
    Run([this] { launcher_.EditINIfile1Click(); });
}

void TForm1::MenuClick(TForm1Definition::MenuItem item) {
    switch (item) {
    case TForm1Definition::MenuItem::StartCommand11:
        return StartCommand11Click();
    case TForm1Definition::MenuItem::StartCommand21:
        return StartCommand21Click();
    case TForm1Definition::MenuItem::EditINIfile1:
        return EditINIfile1Click();
    }
}
