#include "calc/civil.h"
#include "calc/english_reader.h"

#include <gtest/gtest.h>

#include <charconv>
#include <chrono>
#include <string_view>

// Every day of the range, with std::chrono as the independent calendar.

namespace {

using namespace std::chrono;

constexpr sys_days first_day = year{100} / January / 1;
constexpr sys_days last_day = year{9999} / December / 31;

constexpr std::string_view month_names[] = {"January", "February", "March",     "April",
                                            "May",     "June",     "July",      "August",
                                            "September", "October", "November", "December"};

calc::civil_date to_civil(const year_month_day &ymd)
{
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

// A date's text, built without streams, which would make these loops crawl.
class text_buffer {
public:
    text_buffer &add(std::string_view s)
    {
        size_ += s.copy(chars_ + size_, sizeof chars_ - size_);
        return *this;
    }

    text_buffer &add(int n, std::size_t width = 1)
    {
        char digits[12];
        const auto count = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, n).ptr - digits);
        for (; width > count; --width)
            add("0");
        return add(std::string_view(digits, count));
    }

    std::string_view text() const { return {chars_, size_}; }

private:
    char chars_[32];
    std::size_t size_ = 0;
};

struct form {
    calc::date_order order;
    text_buffer text;
};

TEST(WholeRange, EveryDateReadsBackFromFourForms)
{
    using order = calc::date_order;
    for (sys_days today = first_day; today <= last_day; today += days{1}) {
        const auto date = to_civil(year_month_day{today});
        const auto month_name = month_names[date.month - 1];
        // The numeric form takes turns, day by day, between the two orders that differ.
        const bool month_first = today.time_since_epoch().count() % 2 == 0;
        const form forms[] = {
            {order::month_day_year,
             text_buffer{}.add(date.year, 4).add("-").add(date.month, 2).add("-").add(date.day, 2)},
            {order::year_month_day, text_buffer{}.add(date.day).add(" ").add(month_name).add(" ").add(date.year)},
            month_first
                ? form{order::month_day_year,
                       text_buffer{}.add(date.month).add("/").add(date.day).add("/").add(date.year)}
                : form{order::day_month_year,
                       text_buffer{}.add(date.day, 2).add(".").add(date.month, 2).add(".").add(date.year)},
            // Without its year, on a day of that year.
            {order::day_month_year, text_buffer{}.add(month_name).add(" ").add(date.day)},
        };
        for (const auto &[order, text] : forms)
            ASSERT_TRUE(calc::recognize_english(text.text(), order, date) == date) << text.text();

        const bool last_of_month = year_month_day{today + days{1}}.day() == day{1};
        if (last_of_month) {
            const auto past_end = text_buffer{}.add(date.day + 1).add(" ").add(month_name).add(" ").add(date.year);
            ASSERT_FALSE(calc::recognize_english(past_end.text(), order::month_day_year, date)) << past_end.text();
        }
    }
}

TEST(WholeRange, DayNumbersAndWeekdaysAgreeWithChrono)
{
    for (sys_days today = first_day; today <= last_day; today += days{1}) {
        const auto date = to_civil(year_month_day{today});
        const int n = calc::days_from_civil(date.year, date.month, date.day);
        ASSERT_EQ(n, today.time_since_epoch().count()) << date.year << '-' << date.month << '-' << date.day;
        ASSERT_EQ(static_cast<unsigned>(calc::weekday_from_days(n)), weekday{today}.c_encoding()) << n;
    }
}

} // namespace
