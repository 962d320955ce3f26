#include "settings/ProfileStore.h"

namespace profile {

std::string ReadFromText(std::string_view, std::string_view, std::string_view,
                         std::string_view fallback) {
    return std::string(fallback);
}

std::optional<std::string> WriteToText(std::string_view, std::string_view, std::string_view,
                                       std::string_view) {
    return std::nullopt;
}

std::string ReadString(const std::string&, std::string_view, std::string_view,
                       std::string_view fallback) {
    return std::string(fallback);
}

bool WriteString(const std::string&, std::string_view, std::string_view, std::string_view) {
    return false;
}

} // namespace profile
