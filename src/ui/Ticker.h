// A one-second ticker of the window (`tmUser`, `tmMain`). Ticks arrive through
// the event loop. Starting a running ticker or stopping a stopped one changes
// nothing; a start begins a new schedule, the first tick a second later.
#pragma once

class Ticker {
public:
    virtual ~Ticker() = default;
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual bool Running() const = 0;
};
