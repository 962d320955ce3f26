// The integer conversion against a plain model of the accepted forms: leading
// spaces, one sign, then decimal digits in the 32-bit range, or a hex prefix
// and at most eight significant hex digits taken as a 32-bit pattern.
#include "settings/IntegerConversion.h"
#include "settings/SettingsError.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

std::optional<std::int32_t> Model(const std::string& s) {
    std::size_t i = s.find_first_not_of(' ');
    if (i == std::string::npos)
        return std::nullopt;
    bool negative = false;
    if (s[i] == '+' || s[i] == '-')
        negative = s[i++] == '-';
    std::string rest = s.substr(i);
    int base = 10;
    for (const char* prefix : {"0x", "0X", "$", "x", "X"}) {
        const std::string p(prefix);
        if (rest.compare(0, p.size(), p) == 0) {
            rest = rest.substr(p.size());
            base = 16;
            break;
        }
    }
    if (rest.empty())
        return std::nullopt;
    for (const char c : rest)
        if (!(base == 16 ? std::isxdigit(static_cast<unsigned char>(c))
                         : std::isdigit(static_cast<unsigned char>(c))))
            return std::nullopt;
    const std::size_t first = rest.find_first_not_of('0');
    const std::string significant = first == std::string::npos ? "0" : rest.substr(first);
    if (base == 16) {
        if (significant.size() > 8)
            return std::nullopt;
        const auto bits = static_cast<std::uint32_t>(std::stoull(significant, nullptr, 16));
        return static_cast<std::int32_t>(negative ? 0u - bits : bits);
    }
    if (significant.size() > 10)
        return std::nullopt;
    const long long value = std::stoll(significant) * (negative ? -1 : 1);
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto expected = Model(text);
    if (TryStrToInt(text) != expected)
        std::abort();
    try {
        if (StrToInt(text) != *expected)
            std::abort();
    } catch (const ConversionError& e) {
        // The message is a C string: it ends at a NUL of the text.
        const std::string message = "'" + text + "' is not a valid integer value";
        if (expected || std::string(e.what()) != message.c_str())
            std::abort();
    }
    return 0;
}
