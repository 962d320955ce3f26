// A simulated platform for the timer: a deterministic event loop with virtual
// time, and services that record what the program did. A test owns one
// `SimPlatform`, builds a `TForm1` on `platform()`, and drives it with key
// presses, mouse messages, activation and ticks, one turn of the loop at a
// time. Message dialogs run a scripted nested loop, then return.
#pragma once

#include "ui/Platform.h"
#include "ui/TForm1.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class SimPlatform;

// One thing the program did, in the order it did it.
struct SimRecord {
    std::string what;   // "caption", "color", "show", "hide", "close", "left", "top",
                        // "font", "height", "label1", "label2", "tmUser", "tmMain",
                        // "open", "message", "error", "write"
    std::string detail; // the caption, "r,g,b", "start"/"stop", "file|params", ...
    friend bool operator==(const SimRecord&, const SimRecord&) = default;
};

// A dialog the program opened, and how it ended.
struct SimDialog {
    bool error = false;    // the error box rather than the plain message
    std::u16string text;   // the plain message's text
    std::string errorText; // the error box's text
    bool openedAfterClose = false;
    bool dismissedByClose = false;
};

class SimPlatform {
public:
    SimPlatform();
    ~SimPlatform();
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    const Platform& platform() const { return platform_; }

    // Builds the program's window and runs start-up the way the program
    // entry does: `tmUser` runs from creation, then `FormCreate`, then the
    // window is shown when the loop starts (unless it was closed meanwhile).
    TForm1& Start(const CommandDefaults& defaults = {});
    TForm1& form() { return *form_; }

    // --- driving the loop -------------------------------------------------
    void Post(std::uint32_t message, std::uint32_t wParam = 0);
    void Key(std::uint32_t virtualKey) { Post(0x0100, virtualKey); }
    void Activate(); // the program becomes the active application
    // Delivers what is queued, one message a turn; activation comes on the
    // turn after the one that queued it.
    void Pump();
    // Lets `seconds` of virtual time pass, delivering queued messages first
    // and then each tick when it falls due.
    void Advance(int seconds);
    // Advances to the next tick of any running ticker and delivers it.
    void NextTick();
    void Menu(TForm1Definition::MenuItem item);

    // What the next message dialogs do while open (in order of opening):
    // the script may drive the loop; when it returns the dialog is dismissed.
    void WhileDialogOpen(std::function<void()> script);

    // --- what the program did -------------------------------------------
    const std::vector<SimRecord>& records() const { return records_; }
    std::vector<SimRecord> RecordsOf(const std::string& what) const;
    void ClearRecords() { records_.clear(); }
    const std::vector<SimDialog>& dialogs() const { return dialogs_; }

    std::string caption() const { return caption_; }
    Rgb color() const { return color_; }
    std::string label1() const { return label1_; }
    std::string label2() const { return label2_; }
    bool visible() const { return visible_; }
    int left() const { return left_; }
    int top() const { return top_; }
    bool userRunning() const { return tickers_[0].running; }
    bool mainRunning() const { return tickers_[1].running; }
    bool closeRequested() const { return closeRequested_; }
    // The loop has ended: the window was closed and no handler still runs.
    bool ended() const { return closeRequested_ && depth_ == 0; }
    long long nowMs() const { return nowMs_; }
    // Ticks each ticker has delivered since the program started.
    int userTicks() const { return tickers_[0].delivered; }
    int mainTicks() const { return tickers_[1].delivered; }

    // --- the environment ------------------------------------------------
    int screenWidth = 1920;
    int screenHeight = 1080;
    int pixelsPerInch = 96;
    int windowWidth = 392;
    int windowHeight = 166;
    std::string settingsPath = "C:\\Program Files\\Dormo\\Dormo.INI";
    std::string settingsText; // the settings file's bytes
    bool refuseWrites = false;
    std::string textEditor = "notepad.exe";
    std::map<std::string, int> shellResults; // by file; others succeed with 42

private:
    struct SimTicker {
        bool running = false;
        long long nextDue = 0;
        int delivered = 0;
    };
    struct Queued {
        bool activation = false;
        std::uint32_t message = 0;
        std::uint32_t wParam = 0;
    };

public:
    class Services; // the recording services behind the seam

private:
    void Record(std::string what, std::string detail = {});
    void StartTicker(int index);
    void StopTicker(int index);
    bool Deliverable() const { return form_ != nullptr && !closeRequested_; }
    void DeliverQueued();
    void DeliverTick(int index);
    void Dispatch(const std::function<void()>& handler);
    void OpenDialog(SimDialog dialog);

    std::unique_ptr<Services> services_;
    Platform platform_;
    std::unique_ptr<TForm1> form_;

    std::vector<SimRecord> records_;
    std::vector<SimDialog> dialogs_;
    std::deque<std::function<void()>> dialogScripts_;
    std::deque<Queued> queue_;
    SimTicker tickers_[2];
    long long nowMs_ = 0;
    int depth_ = 0;
    int closeEpoch_ = 0; // dialogs opened before this many closes are dismissed
    bool closeRequested_ = false;

    std::string caption_;
    Rgb color_{};
    std::string label1_;
    std::string label2_;
    bool visible_ = false;
    int left_ = 0;
    int top_ = 0;
};
