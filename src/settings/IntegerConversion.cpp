#include "settings/IntegerConversion.h"

#include "settings/SettingsError.h"

#include <string>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// Hex digits as a 32-bit pattern: at most 8 significant digits.
std::optional<std::uint32_t> ParseHex(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int d = HexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

// Decimal digits as a magnitude, up to 2^31 so that the smallest value fits.
std::optional<std::uint32_t> ParseDecimal(std::string_view digits, bool negative) {
    if (digits.empty())
        return std::nullopt;
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    std::uint64_t value = 0;
    for (const char c : digits) {
        if (!IsDecimalDigit(c))
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

} // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::string_view rest = text.substr(i);

    std::optional<std::uint32_t> magnitude;
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
        magnitude = ParseHex(rest.substr(1));
    } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
        magnitude = ParseHex(rest.substr(2));
    } else {
        magnitude = ParseDecimal(rest, negative);
    }
    if (!magnitude)
        return std::nullopt;
    // Negation and the hex pattern both wrap in 32 bits: $FFFFFFFF is -1.
    const std::uint32_t bits = negative ? 0u - *magnitude : *magnitude;
    return static_cast<std::int32_t>(bits);
}

std::int32_t StrToInt(std::string_view text) {
    const auto value = TryStrToInt(text);
    if (!value)
        throw ConversionError(std::string(text));
    return *value;
}
