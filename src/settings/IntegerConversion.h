// Text to signed 32-bit integer, accepting leading spaces, one sign, and
// decimal digits or hexadecimal digits after "$", "x" or "0x".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The value, or nothing when the text is not a valid integer.
std::optional<std::int32_t> TryStrToInt(std::string_view text);
// The value; throws `ConversionError` naming the text when it is not one.
std::int32_t StrToInt(std::string_view text);
