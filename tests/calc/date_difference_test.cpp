#include "calc/date_difference.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>

namespace {

struct worked_example {
    const char *name;
    calc::civil_date first, second;
    const char *days, *weeks, *months, *years;
    // Names the row in test listings, instead of dumping its bytes.
    friend void PrintTo(const worked_example &row, std::ostream *os) { *os << row.name; }
};

class FormattedDifference : public testing::TestWithParam<worked_example> {};

TEST_P(FormattedDifference, ShowsTheFourFigures)
{
    const auto &row = GetParam();
    const auto texts = calc::format_differences(calc::date_difference(row.first, row.second));
    EXPECT_EQ(texts.days, row.days);
    EXPECT_EQ(texts.weeks, row.weeks);
    EXPECT_EQ(texts.months, row.months);
    EXPECT_EQ(texts.years, row.years);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormattedDifference,
    testing::Values(
        worked_example{"JanToMar", {2004, 1, 15}, {2004, 3, 20}, "65", "9", "2", "0"},
        worked_example{"MarToJanGivesNegativeWeeks", {2004, 3, 20}, {2004, 1, 15}, "65", "-9", "2", "0"},
        worked_example{"ThirtyFirstAgainstFirstIsOneMonth", {2004, 1, 31}, {2004, 3, 1}, "30", "4", "1", "0"},
        worked_example{"WholeLeapYearLessADay", {2004, 1, 1}, {2004, 12, 31}, "365", "52", "12", "0"},
        worked_example{"YearAcrossLeapDay", {2003, 3, 1}, {2004, 3, 1}, "366", "52", "12", "1"},
        worked_example{"EqualDates", {2004, 6, 10}, {2004, 6, 10}, "0", "0", "0", "0"},
        worked_example{"ThirtiethOfAprilToFirstOfJune", {2004, 4, 30}, {2004, 6, 1}, "32", "4", "1", "0"},
        worked_example{"SixDaysBackIsZeroWeeksNotMinusZero", {2004, 1, 7}, {2004, 1, 1}, "6", "0", "0", "0"},
        worked_example{"SevenDaysBackIsMinusOneWeek", {2004, 1, 8}, {2004, 1, 1}, "7", "-1", "0", "0"},
        worked_example{"ThirteenDaysBackIsMinusOneWeek", {2004, 1, 14}, {2004, 1, 1}, "13", "-1", "0", "0"},
        worked_example{"WholeRangeForward", {100, 1, 1}, {9999, 12, 31}, "3615899", "516557", "118800", "9899"},
        worked_example{"WholeRangeBackward", {9999, 12, 31}, {100, 1, 1}, "3615899", "-516557", "118800", "9899"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DateDifference, SwappingTheDatesFlipsOnlyTheSigns)
{
    const calc::civil_date a{1987, 11, 3}, b{2031, 2, 27};
    const auto forward = calc::date_difference(a, b);
    const auto backward = calc::date_difference(b, a);
    EXPECT_EQ(forward.days, -backward.days);
    EXPECT_EQ(forward.weeks, -backward.weeks);
    EXPECT_DOUBLE_EQ(forward.months, backward.months);
    EXPECT_DOUBLE_EQ(forward.years, backward.years);
}

TEST(DateDifference, WholeYearsApartGiveExactYearsAndMonths)
{
    for (int n : {1, 3, 100, 1899, 7999}) {
        for (const auto &[first, second] : {std::pair{calc::civil_date{2000, 6, 15}, calc::civil_date{2000 + n, 6, 15}},
                                            std::pair{calc::civil_date{2000 + n, 2, 28}, calc::civil_date{2000, 2, 28}}}) {
            const auto d = calc::date_difference(first, second);
            EXPECT_EQ(d.years, n) << n;
            EXPECT_EQ(d.months, 12.0 * n) << n;
        }
    }
}

} // namespace
