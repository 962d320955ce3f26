#include "sim/SimPlatform.h"

#include "settings/ProfileStore.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

std::string ColorText(Rgb c) {
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

constexpr long long TickMs = 1000;

} // namespace

// The services behind the seam, each forwarding to the simulation.
class SimPlatform::Services {
public:
    explicit Services(SimPlatform& sim)
        : window(sim), label(sim), label1(sim, 1), label2(sim, 2), user(sim, 0), main(sim, 1),
          screen(sim), settings(sim), shell(sim), dialogs(sim) {}

    struct Window final : TimerWindow {
        explicit Window(SimPlatform& s) : sim(s) {}
        void Show() override {
            sim.visible_ = true;
            sim.Record("show");
        }
        void Hide() override {
            sim.visible_ = false;
            sim.Record("hide");
        }
        void Close() override {
            sim.closeRequested_ = true;
            ++sim.closeEpoch_;
            sim.Record("close");
        }
        bool IsVisible() const override { return sim.visible_; }
        void SetLeft(int left) override {
            sim.left_ = left;
            sim.Record("left", std::to_string(left));
        }
        void SetTop(int top) override {
            sim.top_ = top;
            sim.Record("top", std::to_string(top));
        }
        int Width() const override { return sim.windowWidth; }
        int Height() const override { return sim.windowHeight; }
        SimPlatform& sim;
    };

    struct Label final : BigLabel {
        explicit Label(SimPlatform& s) : sim(s) {}
        void SetCaption(const std::string& caption) override {
            sim.caption_ = caption;
            sim.Record("caption", caption);
        }
        void SetFontColor(Rgb color) override {
            sim.color_ = color;
            sim.Record("color", ColorText(color));
        }
        void SetFontName(const std::string& name) override { sim.Record("font", name); }
        void SetFontHeight(int pixels) override { sim.Record("height", std::to_string(pixels)); }
        SimPlatform& sim;
    };

    struct Status final : StatusLabel {
        Status(SimPlatform& s, int n) : sim(s), number(n) {}
        void SetCaption(const std::string& caption) override {
            (number == 1 ? sim.label1_ : sim.label2_) = caption;
            sim.Record(number == 1 ? "label1" : "label2", caption);
        }
        SimPlatform& sim;
        int number;
    };

    struct TickerImpl final : Ticker {
        TickerImpl(SimPlatform& s, int i) : sim(s), index(i) {}
        void Start() override { sim.StartTicker(index); }
        void Stop() override { sim.StopTicker(index); }
        bool Running() const override { return sim.tickers_[index].running; }
        SimPlatform& sim;
        int index;
    };

    struct ScreenImpl final : Screen {
        explicit ScreenImpl(SimPlatform& s) : sim(s) {}
        int Width() const override { return sim.screenWidth; }
        int Height() const override { return sim.screenHeight; }
        int PixelsPerInch() const override { return sim.pixelsPerInch; }
        SimPlatform& sim;
    };

    // The settings file's bytes live in memory and go through the same store
    // as on disk.
    struct Settings final : SettingsFile {
        explicit Settings(SimPlatform& s) : sim(s) {}
        std::string Path() const override { return sim.settingsPath; }
        std::string Read(const std::string& section, const std::string& key,
                         const std::string& fallback) const override {
            return profile::ReadFromText(sim.settingsText, section, key, fallback);
        }
        bool Write(const std::string& section, const std::string& key,
                   const std::string& value) override {
            sim.Record("write", section + "|" + key + "|" + value);
            if (sim.refuseWrites)
                return false;
            auto text = profile::WriteToText(sim.settingsText, section, key, value);
            if (!text)
                return false;
            sim.settingsText = std::move(*text);
            return true;
        }
        SimPlatform& sim;
    };

    struct ShellImpl final : Shell {
        explicit ShellImpl(SimPlatform& s) : sim(s) {}
        int Open(const std::string& file, const std::string& parameters) override {
            sim.Record("open", file + "|" + parameters);
            const auto found = sim.shellResults.find(file);
            return found == sim.shellResults.end() ? 42 : found->second;
        }
        std::string TextEditor() const override { return sim.textEditor; }
        SimPlatform& sim;
    };

    struct DialogsImpl final : Dialogs {
        explicit DialogsImpl(SimPlatform& s) : sim(s) {}
        void ShowMessage(const std::u16string& text) override {
            SimDialog dialog;
            dialog.text = text;
            sim.Record("message");
            sim.OpenDialog(std::move(dialog));
        }
        void ShowError(const std::string& text) override {
            SimDialog dialog;
            dialog.error = true;
            dialog.errorText = text;
            sim.Record("error", text);
            sim.OpenDialog(std::move(dialog));
        }
        SimPlatform& sim;
    };

    Window window;
    Label label;
    Status label1;
    Status label2;
    TickerImpl user;
    TickerImpl main;
    ScreenImpl screen;
    Settings settings;
    ShellImpl shell;
    DialogsImpl dialogs;
};

SimPlatform::SimPlatform()
    : services_(std::make_unique<Services>(*this)), platform_{
                                                        services_->window, services_->label,
                                                        services_->label1, services_->label2,
                                                        services_->user,   services_->main,
                                                        services_->screen, services_->settings,
                                                        services_->shell,  services_->dialogs} {}

SimPlatform::~SimPlatform() = default;

TForm1& SimPlatform::Start(const CommandDefaults& defaults) {
    form_ = std::make_unique<TForm1>(platform_, defaults);
    // The window's idle ticker runs from the moment the window exists.
    tickers_[0].running = true;
    tickers_[0].nextDue = nowMs_ + TickMs;
    Dispatch([this] { form_->FormCreate(); });
    if (!closeRequested_) {
        visible_ = true;
        Record("show");
    }
    return *form_;
}

void SimPlatform::Record(std::string what, std::string detail) {
    records_.push_back({std::move(what), std::move(detail)});
}

std::vector<SimRecord> SimPlatform::RecordsOf(const std::string& what) const {
    std::vector<SimRecord> found;
    for (const auto& r : records_)
        if (r.what == what)
            found.push_back(r);
    return found;
}

void SimPlatform::StartTicker(int index) {
    SimTicker& t = tickers_[index];
    if (t.running)
        return;
    t.running = true;
    t.nextDue = nowMs_ + TickMs;
    Record(index == 0 ? "tmUser" : "tmMain", "start");
}

void SimPlatform::StopTicker(int index) {
    SimTicker& t = tickers_[index];
    if (!t.running)
        return;
    t.running = false;
    Record(index == 0 ? "tmUser" : "tmMain", "stop");
}

void SimPlatform::Post(std::uint32_t message, std::uint32_t wParam) {
    queue_.push_back({false, message, wParam});
}

void SimPlatform::Activate() {
    queue_.push_back({true, 0, 0});
}

void SimPlatform::Dispatch(const std::function<void()>& handler) {
    ++depth_;
    handler();
    --depth_;
}

void SimPlatform::DeliverQueued() {
    while (!queue_.empty()) {
        const Queued q = queue_.front();
        queue_.pop_front();
        if (!Deliverable())
            continue;
        if (q.activation)
            Dispatch([this] { form_->AppOnActivate(); });
        else
            Dispatch([this, q] { form_->AppOnMessage(q.message, q.wParam); });
    }
}

void SimPlatform::Pump() {
    DeliverQueued();
}

void SimPlatform::DeliverTick(int index) {
    SimTicker& t = tickers_[index];
    nowMs_ = t.nextDue;
    t.nextDue += TickMs;
    ++t.delivered;
    if (index == 0)
        Dispatch([this] { form_->tmUserTimer(); });
    else
        Dispatch([this] { form_->tmMainTimer(); });
}

void SimPlatform::Advance(int seconds) {
    const long long until = nowMs_ + seconds * TickMs;
    for (;;) {
        DeliverQueued();
        int next = -1;
        for (int i = 0; i < 2; ++i) {
            const SimTicker& t = tickers_[i];
            if (t.running && t.nextDue <= until && (next < 0 || t.nextDue < tickers_[next].nextDue))
                next = i;
        }
        if (next < 0 || !Deliverable())
            break;
        DeliverTick(next);
    }
    nowMs_ = std::max(nowMs_, until); // a dialog's nested loop may have gone further
}

void SimPlatform::NextTick() {
    DeliverQueued();
    int next = -1;
    for (int i = 0; i < 2; ++i) {
        const SimTicker& t = tickers_[i];
        if (t.running && (next < 0 || t.nextDue < tickers_[next].nextDue))
            next = i;
    }
    if (next >= 0 && Deliverable())
        DeliverTick(next);
}

void SimPlatform::Menu(TForm1Definition::MenuItem item) {
    if (Deliverable())
        Dispatch([this, item] { form_->MenuClick(item); });
}

void SimPlatform::WhileDialogOpen(std::function<void()> script) {
    dialogScripts_.push_back(std::move(script));
}

void SimPlatform::OpenDialog(SimDialog dialog) {
    dialog.openedAfterClose = closeRequested_;
    const int epochAtOpen = closeEpoch_;
    const std::size_t index = dialogs_.size();
    dialogs_.push_back(std::move(dialog));
    if (!dialogScripts_.empty()) {
        auto script = std::move(dialogScripts_.front());
        dialogScripts_.pop_front();
        script();
    }
    // A close while the dialog was open dismissed it; otherwise the user did.
    if (closeEpoch_ != epochAtOpen)
        dialogs_[index].dismissedByClose = true;
}
