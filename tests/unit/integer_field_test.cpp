#include <gtest/gtest.h>

#include "ui/IntegerField.h"

namespace {

TEST(IntegerField, ReadsWhatTheDialogAcceptsAsAnInteger) {
    struct Case {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"0", 0},
        {"42", 42},
        {"  7 ", 7},            // blanks around the number
        {"-30", -30},
        {"+5", 5},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},   // does not fit an int
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"-", std::nullopt},
        {"1a", std::nullopt},           // a letter after the digits
        {"a", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ui::ParseIntegerField(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
