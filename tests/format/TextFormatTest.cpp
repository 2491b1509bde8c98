#include "format/TextFormat.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Case = std::pair<std::int32_t, const char*>;

// Tenths are rounded half away from zero: 1310720 is exactly 1.25 MB,
// 1415578 is 1.35000038 MB.
TEST(FormatSize, PrintsBytesKilobytesAndMegabytesAtTheirBoundaries) {
    const std::vector<Case> cases = {
        {-5, "-5 Bytes"},    {0, "0 Bytes"},         {1023, "1023 Bytes"},           {1024, "1 KB"},
        {2047, "1 KB"},      {1048575, "1023 KB"},   {1048576, "1024 KB"},           {1048577, "1.0 MB"},
        {1572864, "1.5 MB"}, {INT_MAX, "2048.0 MB"}, {INT_MIN, "-2147483648 Bytes"}, {1310720, "1.3 MB"},
        {1415578, "1.4 MB"}, {1310719, "1.2 MB"},
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(text, FormatSize(bytes)) << "bytes = " << bytes;
}

// The C runtime's numeric locale is switched inside the block only.
TEST(FormatSize, WritesTheDecimalPointOfTheRuntimesNumericLocale) {
    {
        const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
        const std::shared_ptr<void> restore(nullptr, [&](void*) { std::setlocale(LC_NUMERIC, previous.c_str()); });
        bool german = false;
        for (const char* name : {"German_Germany.1252", "de-DE", "German", "de_DE.UTF-8"})
            german = german || std::setlocale(LC_NUMERIC, name) != nullptr;
#ifdef _WIN32
        ASSERT_TRUE(german);
#else
        // A Linux machine may have no locale but C and POSIX installed.
        if (!german) GTEST_SKIP() << "no German locale installed";
#endif
        ASSERT_STREQ(",", std::localeconv()->decimal_point);
        EXPECT_EQ("1,3 MB", FormatSize(1310720));
        EXPECT_EQ("2048,0 MB", FormatSize(INT_MAX));
        EXPECT_EQ("1024 KB", FormatSize(1048576));
    }
    EXPECT_STREQ(".", std::localeconv()->decimal_point);
    EXPECT_EQ("1.3 MB", FormatSize(1310720));
}

// Hours never wrap at a day; a negative count shows its magnitude with a sign.
TEST(FormatDuration, ChoosesTheTemplateByTheLargestUnit) {
    const std::vector<Case> cases = {
        {0, "0 min"},
        {1, "1 s"},
        {59, "59 s"},
        {60, "1 min 0 s"},
        {61, "1 min 1 s"},
        {3599, "59 min 59 s"},
        {3600, "1 h 0 min"},
        {3659, "1 h 0 min"},
        {3661, "1 h 1 min"},
        {7199, "1 h 59 min"},
        {86400, "24 h 0 min"},
        {360000, "100 h 0 min"},
        {INT_MAX, "596523 h 14 min"},
        {-5, "-5 s"},
        {-61, "-1 min 1 s"},
        {INT_MIN, "-596523 h 14 min"},
    };
    for (const auto& [seconds, text] : cases) EXPECT_EQ(text, FormatDuration(seconds)) << "seconds = " << seconds;
}

}  // namespace
