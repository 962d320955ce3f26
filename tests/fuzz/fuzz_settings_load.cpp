// The whole settings load over an arbitrary file, on the simulated platform.
// Loading may only fail with a conversion error or a refused write (shown in
// the error box); a completed load leaves a sound timer state, and a key that
// was present reads the same afterwards.
#include "settings/ProfileStore.h"
#include "sim/SimPlatform.h"

#include "FuzzCheck.h"

#include <cstdlib>
#include <string>

namespace {

const char* const Keys[][2] = {
    {"Timer", "TimePause"},    {"Timer", "TimeMaximum"},    {"AppStart", "FileName1"},
    {"AppStart", "Param1"},    {"AppStart", "FileName2"},   {"AppStart", "Param2"},
    {"Text", "FontName"},      {"Text", "FontSize"},        {"Timer", "PositionTop"},
    {"Timer", "PositionLeft"}, {"Timer", "PositionCenter"}, {"Timer", "Test"},
};

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    SimPlatform sim;
    sim.settingsText = file;
    const TimerState& state = sim.Start().State();

    for (const auto& dialog : sim.dialogs()) {
        CHECK(dialog.error);
        CHECK(EndsWith(dialog.errorText, "' is not a valid integer value.") ||
              dialog.errorText == "Unable to write to " + sim.settingsPath + ".");
    }
    if (sim.dialogs().empty()) {
        CHECK(state.TimeMaximum % 60 == 0 && state.TimeMaximum >= 60 && state.TimeMaximum <= 1440);
        CHECK(state.TimeStep == (state.TimeMaximum <= 120 ? 10 : 30));
        CHECK(sim.caption() == "OFF");
    }
    for (const auto& [section, key] : Keys) {
        const std::string was = profile::ReadFromText(file, section, key, "\x01missing");
        if (was != "\x01missing" && was != "Error")
            CHECK(profile::ReadFromText(sim.settingsText, section, key, "\x01missing") == was);
    }
    return 0;
}
