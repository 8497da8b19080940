#include "framework/core/date.h"

#include <ctime>
#include <utility>

namespace fw {

namespace {
std::function<Date()>& NowSource()
{
    static std::function<Date()> source;
    return source;
}
} // namespace

Date::Date()
{
    if (NowSource()) {
        *this = NowSource()();
        return;
    }
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    m_year = local.tm_year + 1900;
    m_month = local.tm_mon + 1;
    m_day = local.tm_mday;
    m_hour = local.tm_hour;
    m_minute = local.tm_min;
    m_second = local.tm_sec;
}

Date::Date(int year, int month, int day, int hour, int minute, int second)
    : m_year(year), m_month(month), m_day(day), m_hour(hour), m_minute(minute), m_second(second)
{
}

void Date::SetNowSourceForTesting(std::function<Date()> source) { NowSource() = std::move(source); }

} // namespace fw
