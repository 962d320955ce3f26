#include "settings/IntegerConversion.h"
#include "settings/SettingsError.h"

#include <gtest/gtest.h>

namespace {

TEST(IntegerConversion, AcceptedForms) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"10", 10},
        {"   42", 42}, // leading spaces are skipped
        {"+7", 7},
        {"-30", -30},
        {"007", 7}, // a leading zero is still decimal
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$FF", 255},
        {"$ff", 255},
        {"x1A", 26},
        {"X1a", 26},
        {"0x10", 16},
        {"0X10", 16},
        {"-$10", -16},
        {"$FFFFFFFF", -1}, // a 32-bit pattern
        {"$80000000", -2147483647 - 1},
        {"$000000001", 1}, // leading zeros are not significant digits
        {" -0x7FFFFFFF", -2147483647},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(TryStrToInt(text), value);
        EXPECT_EQ(StrToInt(text), value);
    }
}

TEST(IntegerConversion, RejectedFormsNameTheText) {
    const char* const cases[] = {
        "",
        "   ",
        "+",
        "-",
        "$",
        "0x",
        "x",
        "\t5",
        "5 ",
        "12abc",
        "abc",
        "1.5",
        "2147483648",
        "-2147483649",
        "$100000000",
        "--5",
        "+-5",
        "0x-5",
        "99999999999999999999",
        "- 5",
        "$G",
        "0b101",
        "1e3",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(std::string("[") + text + "]");
        EXPECT_EQ(TryStrToInt(text), std::nullopt);
        try {
            StrToInt(text);
            ADD_FAILURE() << "no error";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("'") + text + "' is not a valid integer value");
        }
    }
}

} // namespace
