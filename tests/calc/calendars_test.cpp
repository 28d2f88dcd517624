#include "calc/calendars.h"
#include "tests/calc/printing.h"

#include <gtest/gtest.h>
#include <unicode/calendar.h>
#include <unicode/gregocal.h>

#include <cmath>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace {

using calc::calendar;
using calc::calendar_date;
using enum calc::calendar;

constexpr double ms_per_day = 86400000.0;

// Proleptic where it counts Gregorian years, as calc's are.
std::unique_ptr<icu::Calendar> icu_calendar(const char *keyword, UErrorCode &status)
{
    std::unique_ptr<icu::Calendar> cal(icu::Calendar::createInstance(
        *icu::TimeZone::getGMT(), icu::Locale((std::string("en@calendar=") + keyword).c_str()), status));
    if (auto *gregorian = dynamic_cast<icu::GregorianCalendar *>(cal.get()))
        gregorian->setGregorianChange(-U_DATE_MAX, status);
    return cal;
}

struct icu_row {
    const char *name;
    calendar cal; // for ICU's japanese, the first era
    const char *keyword;
    int step;     // outside 1850-2199, every step-th day
    friend void PrintTo(const icu_row &row, std::ostream *os) { *os << row.name; }
};

class CalendarAgainstIcu : public testing::TestWithParam<icu_row> {};

// Every day from 1850 to 2199, so every year of the Umm al-Qura table.
TEST_P(CalendarAgainstIcu, GivesTheSameDatesAndMonthLengths)
{
    const auto &row = GetParam();
    UErrorCode status = U_ZERO_ERROR;
    const auto icu = icu_calendar(row.keyword, status);
    const auto icu_date = [&](int z) {
        icu->setTime(z * ms_per_day, status);
        return std::pair{icu->get(UCAL_ERA, status), calendar_date{icu->get(UCAL_YEAR, status),
                                                                   icu->get(UCAL_MONTH, status) + 1,
                                                                   icu->get(UCAL_DATE, status)}};
    };
    const auto icu_days = [&](int era, const calendar_date &d) { // leniently: month 13 is next year's first
        icu->clear();
        icu->set(UCAL_ERA, era);
        icu->set(d.year, d.month - 1, d.day);
        return static_cast<int>(std::floor(icu->getTime(status) / ms_per_day));
    };
    const int every_day_from = calc::days_from_civil(1850, 1, 1), every_day_to = calc::days_from_civil(2199, 12, 31);
    const int last = calc::last_day(calc::is_japanese_era(row.cal) ? reiwa : row.cal);
    for (int z = calc::first_day(row.cal); z <= last; z += z >= every_day_from && z < every_day_to ? 1 : row.step) {
        ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
        const calendar c = calc::is_japanese_era(row.cal) ? calc::japanese_era(z) : row.cal;
        const auto [era, expected] = icu_date(z);
        const auto date = calc::date_from_days(c, z);
        ASSERT_EQ(date, expected) << "day " << z;
        ASSERT_TRUE(calc::is_valid_date(c, date)) << "day " << z;
        ASSERT_EQ(calc::days_from_date(c, date), z);
        ASSERT_EQ(icu_days(era, date), z);
        const int length = icu_days(era, {date.year, date.month + 1, 1}) - icu_days(era, {date.year, date.month, 1});
        ASSERT_EQ(calc::last_day_of_month(c, date.year, date.month), length) << "day " << z;
        ASSERT_EQ(calc::is_valid_date(c, {date.year, date.month, date.day + 1}), date.day < length && z < calc::last_day(c))
            << "day " << z;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calendars, CalendarAgainstIcu,
    testing::Values(icu_row{"Gregorian", gregorian, "gregorian", 97}, icu_row{"Buddhist", buddhist, "buddhist", 97},
                    icu_row{"Minguo", roc, "roc", 97}, icu_row{"JapaneseEras", meiji, "japanese", 97},
                    icu_row{"Persian", persian, "persian", 97},
                    icu_row{"UmmAlQura", umalqura, "islamic-umalqura", 997}),
    row_name<testing::TestParamInfo<icu_row>>);

struct edge {
    const char *name;
    calendar cal;
    calendar_date date;
    std::optional<calendar_date> gregorian; // none: no such date
    friend void PrintTo(const edge &row, std::ostream *os) { *os << row.name; }
};

class CalendarEdge : public testing::TestWithParam<edge> {};

TEST_P(CalendarEdge, IsTheGregorianDateOrNone)
{
    const auto &[name, c, date, gregorian] = GetParam();
    ASSERT_EQ(calc::is_valid_date(c, date), gregorian.has_value());
    if (gregorian) {
        const int z = calc::days_from_civil(gregorian->year, gregorian->month, gregorian->day);
        EXPECT_EQ(calc::days_from_date(c, date), z);
        EXPECT_EQ(calc::date_from_days(c, z), date);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CalendarEdge,
    testing::Values(edge{"NoThirtiethOfMuharram1448", umalqura, {1448, 1, 30}, std::nullopt},
                    edge{"NoThirtiethOfRamadan1448", umalqura, {1448, 9, 30}, std::nullopt},
                    edge{"ThirtiethOfEsfandInLeap1403", persian, {1403, 12, 30}, calendar_date{2025, 3, 20}},
                    edge{"NoThirtiethOfEsfand1402", persian, {1402, 12, 30}, std::nullopt},
                    edge{"NoMeijiBeforeItBegins", meiji, {1, 9, 7}, std::nullopt},
                    edge{"Heisei31EndsInApril", heisei, {31, 4, 30}, calendar_date{2019, 4, 30}},
                    edge{"NoHeisei31InMay", heisei, {31, 5, 1}, std::nullopt},
                    edge{"Reiwa1BeginsInMay", reiwa, {1, 5, 1}, calendar_date{2019, 5, 1}},
                    edge{"NoReiwa1InApril", reiwa, {1, 4, 30}, std::nullopt},
                    edge{"NoMinguoYearZero", roc, {0, 12, 31}, std::nullopt},
                    edge{"NoGregorianDayBeforeTheRange", gregorian, {99, 12, 31}, std::nullopt},
                    edge{"NoPersianDayAfterTheRange", persian, {9378, 10, 11}, std::nullopt},
                    edge{"NoThirteenthMonth", persian, {1403, 13, 1}, std::nullopt},
                    edge{"NoDayZero", umalqura, {1448, 1, 0}, std::nullopt}),
    row_name<testing::TestParamInfo<edge>>);

} // namespace
