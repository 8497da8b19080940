#pragma once

#include <functional>

#include "framework/core/object.h"

namespace fw {

// A moment in local time. A new Date holds the current local date and time.
class Date : public Object {
public:
    Date();
    Date(int year, int month, int day, int hour, int minute, int second = 0);

    int Year() const { return m_year; }
    int Month() const { return m_month; }   // 1..12
    int Day() const { return m_day; }       // 1..31
    int Hour() const { return m_hour; }     // 0..23
    int Minute() const { return m_minute; } // 0..59
    int Second() const { return m_second; }

    // Lets tests fix "now"; an empty function restores the clock.
    static void SetNowSourceForTesting(std::function<Date()> source);

private:
    int m_year = 0, m_month = 0, m_day = 0, m_hour = 0, m_minute = 0, m_second = 0;
};

} // namespace fw
