#include "settings/SettingsPath.h"

std::string SettingsPathBeside(std::string_view executablePath, std::string_view separators) {
    const std::size_t last = executablePath.find_last_of(separators);
    const std::string_view directory =
        last == std::string_view::npos ? std::string_view{} : executablePath.substr(0, last + 1);
    return std::string(directory) + std::string(SettingsFileName);
}
