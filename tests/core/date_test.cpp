#include "framework/core/date.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

TEST(Date, AFixedDateGivesItsFields)
{
    const fw::Date d(2026, 7, 3, 9, 5, 30);
    EXPECT_EQ(d.Year(), 2026);
    EXPECT_EQ(d.Month(), 7);
    EXPECT_EQ(d.Day(), 3);
    EXPECT_EQ(d.Hour(), 9);
    EXPECT_EQ(d.Minute(), 5);
    EXPECT_EQ(d.Second(), 30);
}

TEST(Date, ANewDateIsNowFromTheInstalledSourceOrTheLocalClock)
{
    fw::Date::SetNowSourceForTesting([] { return fw::Date(2026, 12, 11, 14, 30); });
    const fw::Date fixed;
    EXPECT_EQ(fixed.Month(), 12);
    EXPECT_EQ(fixed.Minute(), 30);

    fw::Date::SetNowSourceForTesting(nullptr);
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    const fw::Date now;
    // Within a minute of the local clock (the minute may roll over between).
    const int expected = local.tm_hour * 60 + local.tm_min;
    const int got = now.Hour() * 60 + now.Minute();
    EXPECT_TRUE(got == expected || got == (expected + 1) % (24 * 60)) << got << " vs " << expected;
    EXPECT_EQ(now.Year() * 10000 + now.Month() * 100 + now.Day() >= 20240101, true);
}

} // namespace
