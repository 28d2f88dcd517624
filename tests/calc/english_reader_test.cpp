#include "calc/english_reader.h"
#include "tests/calc/printing.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

using calc::civil_date;
using calc::date_order;
using enum calc::date_order;

constexpr civil_date jan15{2004, 1, 15}, apr9_1958{1958, 4, 9};
constexpr std::optional<civil_date> no_date;
// The day the tests read texts on, unless a row says otherwise: a Monday, in a year that is not a leap year.
constexpr civil_date dec7{2026, 12, 7};

// Texts that read the same under every order: month names, year-first forms.
struct reading {
    const char *name;
    const char *text;
    std::optional<civil_date> expected;
    civil_date today = dec7;
    // Names the row in test listings, instead of dumping its bytes.
    friend void PrintTo(const reading &row, std::ostream *os) { *os << row.name; }
};

class ReadUnderEveryOrder : public testing::TestWithParam<reading> {};

TEST_P(ReadUnderEveryOrder, GivesTheExpectedAnswer)
{
    for (const auto order : {month_day_year, day_month_year, year_month_day})
        EXPECT_EQ(calc::recognize_english(GetParam().text, order, GetParam().today), GetParam().expected)
            << static_cast<int>(order);
}

INSTANTIATE_TEST_SUITE_P(
    MonthNames, ReadUnderEveryOrder,
    testing::Values(reading{"DayFullMonthYear", "15 January 2004", jan15},
                    reading{"DayShortMonthYear", "15 Jan 2004", jan15},
                    reading{"MonthFirstWithComma", "January 15, 2004", jan15},
                    reading{"MonthFirstWithoutComma", "Jan 15 2004", jan15},
                    reading{"CommaBeforeYear", "15 January, 2004", jan15},
                    reading{"Dashes", "15-Jan-2004", jan15},
                    reading{"Slashes", "15/Jan/2004", jan15},
                    reading{"DashesTwoDigitYear", "15-Jan-04", jan15},
                    reading{"YearFirst", "2004 January 15", jan15},
                    reading{"AbbreviationWithStop", "Jan. 15, 2004", jan15},
                    reading{"Sept", "3 Sept 2004", civil_date{2004, 9, 3}},
                    reading{"AnyCase", "15 jAnUaRy 2004", jan15},
                    reading{"SpaceAroundAndBetween", " \t15   Jan  2004\n", jan15},
                    reading{"OrdinalSt", "January 1st, 2004", civil_date{2004, 1, 1}},
                    reading{"OrdinalNd", "22nd Jan 2004", civil_date{2004, 1, 22}},
                    reading{"OrdinalRd", "3RD Jan 2004", civil_date{2004, 1, 3}},
                    reading{"OrdinalEleventh", "11th Jan 2004", civil_date{2004, 1, 11}},
                    reading{"IsoDashes", "2004-01-15", jan15},
                    reading{"IsoSlashesShortFields", "2004/1/15", jan15},
                    reading{"IsoDots", "2004.01.15", jan15},
                    reading{"StopAfterAShortFullName", "15 May. 2004", civil_date{2004, 5, 15}},
                    reading{"DayMonthThisYear", "15 Jan", civil_date{2026, 1, 15}},
                    reading{"MonthDayThisYear", "March 26", civil_date{2026, 3, 26}},
                    reading{"ThisYearWithTime", "15 Jan 14:30", civil_date{2026, 1, 15}},
                    reading{"OrdinalOf", "9th of April 1958", apr9_1958},
                    reading{"TheOrdinalOf", "the 9th of April, 1958", apr9_1958},
                    reading{"TheOrdinalOfThisYear", "the 9th of April", civil_date{2026, 4, 9}},
                    reading{"ApostropheYear", "Apr 9th, '58", apr9_1958},
                    reading{"TypographicApostropheYear", "9 Apr \u201958", apr9_1958}),
    row_name<testing::TestParamInfo<reading>>);

INSTANTIATE_TEST_SUITE_P(
    Weekdays, ReadUnderEveryOrder,
    testing::Values(reading{"RightFullName", "Thursday, 15 January 2004", jan15},
                    reading{"RightShortNameBeforeIso", "thu 2004-01-15", jan15},
                    reading{"SundayIsFirstOfTheWeek", "Sunday 2000-01-02", civil_date{2000, 1, 2}},
                    reading{"SaturdayIsLast", "Sat, 1 Jan 2000", civil_date{2000, 1, 1}},
                    reading{"WrongDay", "Friday, 15 January 2004", no_date},
                    reading{"RightDayWrongYear", "Thursday, 15 January 2003", no_date},
                    reading{"AfterTheDate", "15 January 2004 Thursday", no_date},
                    reading{"BeforeThe", "Wednesday the 9th of April 1958", apr9_1958},
                    reading{"WrongBeforeTimeInside", "Thu Apr  9 09:03:41 1958", no_date},
                    reading{"NotThisYearsOwn", "Thu Jan 15", no_date, {2027, 1, 1}}),
    row_name<testing::TestParamInfo<reading>>);

INSTANTIATE_TEST_SUITE_P(
    TimesOfDay, ReadUnderEveryOrder,
    testing::Values(reading{"HoursMinutes", "15 Jan 2004 14:30", jan15},
                    reading{"Fraction", "15 Jan 2004 14:30:05.250", jan15},
                    reading{"Pm", "15 Jan 2004 2:30 PM", jan15},
                    reading{"PmLowerCaseJoined", "15 Jan 2004 2:30pm", jan15},
                    reading{"TwelveAm", "15 Jan 2004 12:00 am", jan15},
                    reading{"Midnight", "15 Jan 2004 0:00", jan15},
                    reading{"LastSecond", "15 Jan 2004 23:59:59", jan15},
                    reading{"IsoT", "2004-01-15T14:30:00", jan15},
                    reading{"MailStamp", "Thu, 15 Jan 2004 14:30:05 +0000 (UTC)", jan15},
                    reading{"HttpStamp", "Thu, 15 Jan 2004 14:30:05 GMT", jan15},
                    reading{"MailOldZone", "Thu, 15 Jan 2004 14:30:05 PDT", jan15},
                    reading{"IsoZulu", "2004-01-15T14:30:05.250Z", jan15},
                    reading{"OffsetLeavesTheDate", "2004-01-15T23:30:00-05:00", jan15},
                    reading{"UtcPlusHours", "15 Jan 2004 14:30 UTC+5:30", jan15},
                    reading{"OffsetTooLarge", "15 Jan 2004 14:30 +2400", no_date},
                    reading{"ZoneUnknown", "15 Jan 2004 14:30 XYZ", no_date},
                    reading{"ZoneWithoutTime", "15 Jan 2004 UTC", no_date},
                    reading{"HourTwentyFour", "15 Jan 2004 24:00", no_date},
                    reading{"HourTwentyFive", "15 Jan 2004 25:00", no_date},
                    reading{"MinuteSixty", "15 Jan 2004 12:60", no_date},
                    reading{"SecondSixty", "15 Jan 2004 12:59:60", no_date},
                    reading{"ThirteenPm", "15 Jan 2004 13:00 PM", no_date},
                    reading{"ZeroAm", "15 Jan 2004 0:30 AM", no_date},
                    reading{"OneDigitMinute", "15 Jan 2004 14:3", no_date},
                    reading{"HourAlone", "15 Jan 2004 14", no_date},
                    reading{"EmptyFraction", "15 Jan 2004 14:30:05.", no_date},
                    reading{"LeftOverAfterTime", "15 Jan 2004 14:30 xyz", no_date},
                    // As programs print them.
                    reading{"Ctime", "Wed Apr  9 09:03:41 1958", apr9_1958},
                    reading{"GitLog", "Fri Dec 31 23:59:59 1999 +0000", civil_date{1999, 12, 31}},
                    reading{"DateCommandZoneBeforeYear", "Wed Apr  9 09:03:41 UTC 1958", apr9_1958},
                    reading{"OpenSslZoneAfterYear", "Jan 15 14:30:05 2004 GMT", jan15},
                    reading{"AccessLogColon", "09/Apr/1958:09:03:41 +0000", apr9_1958},
                    reading{"LoggingCommaFraction", "1958-04-09 09:03:41,123", apr9_1958},
                    reading{"JavaScriptZoneName", "Wed Apr 09 1958 10:03:41 GMT+0100 (Mitteleurop\u00e4ische Normalzeit)", apr9_1958},
                    reading{"JavaZoneId", "1958-04-09T04:03:41-05:00[America/New_York]", apr9_1958},
                    reading{"GoAbbreviation", "Wednesday, 09-Apr-58 10:03:41 CET", apr9_1958},
                    reading{"GoOffsetAndAbbreviation", "1958-04-09 10:03:41.000000000 +0100 CET", apr9_1958},
                    reading{"IcuComma", "Apr 9, 1958, 9:03 AM", apr9_1958},
                    reading{"IcuAt", "9 April 1958 at 09:03:41 UTC", apr9_1958},
                    reading{"MailAnyZoneName", "Tue, 8 Dec 2026 14:03:22 +0100 (CET)", civil_date{2026, 12, 8}},
                    reading{"HourAlonePm", "Wed Dec 16, 2026 10am", civil_date{2026, 12, 16}},
                    reading{"Range", "Wednesday, December 16, 2026 10:00 AM \u2013 11:00 AM", civil_date{2026, 12, 16}},
                    reading{"RangeEndImpossible", "16 Dec 2026 10am - 13pm", no_date},
                    reading{"TimeInsideImpossible", "Wed Apr  9 25:03:41 1958", no_date},
                    reading{"TimeInsideNoYear", "Wed Apr  9 09:03:41 UTC", no_date},
                    reading{"ColonAfterShortYear", "09/Apr/58:09:03:41", no_date},
                    reading{"ZoneIdWithoutArea", "1958-04-09T04:03:41-05:00[New_York]", no_date},
                    reading{"ZoneNameInDigits", "1958-04-09 09:03:41 +0000 (0000)", no_date},
                    reading{"CommaThenNothing", "15 Jan 2004,", no_date}),
    row_name<testing::TestParamInfo<reading>>);

INSTANTIATE_TEST_SUITE_P(
    Years, ReadUnderEveryOrder,
    testing::Values(reading{"TwoDigit49IsThisCentury", "15 Jan 49", civil_date{2049, 1, 15}},
                    reading{"TwoDigit50IsLastCentury", "15 Jan 50", civil_date{1950, 1, 15}},
                    reading{"TwoDigit00", "15 Jan 00", civil_date{2000, 1, 15}},
                    reading{"ThreeDigitsAsWritten", "15 Jan 150", civil_date{150, 1, 15}},
                    reading{"LeadingZeroAsWritten", "15 Jan 0999", civil_date{999, 1, 15}},
                    reading{"OneDigit", "15 Jan 4", no_date},
                    reading{"FiveDigits", "15 Jan 20040", no_date},
                    reading{"Leap2000", "2000-02-29", civil_date{2000, 2, 29}},
                    reading{"Leap2400", "29 Feb 2400", civil_date{2400, 2, 29}},
                    reading{"Leap2004", "29 Feb 2004", civil_date{2004, 2, 29}},
                    reading{"NotLeap1900", "29 Feb 1900", no_date},
                    reading{"NotLeap2100", "2100-02-29", no_date},
                    reading{"NotLeap2003", "29 Feb 2003", no_date},
                    reading{"FirstDay", "100-01-01", civil_date{100, 1, 1}},
                    reading{"FirstDayFourDigits", "0100-01-01", civil_date{100, 1, 1}},
                    reading{"LastDay", "9999-12-31", civil_date{9999, 12, 31}},
                    reading{"DayBeforeFirst", "0099-12-31", no_date},
                    reading{"DayBeforeFirstNamed", "31 Dec 099", no_date},
                    reading{"LeapDayInALeapYear", "29 Feb", civil_date{2028, 2, 29}, {2028, 12, 7}},
                    reading{"LeapDayInAnotherYear", "29 Feb", no_date},
                    reading{"IsoBasic", "20261225", civil_date{2026, 12, 25}},
                    reading{"IsoBasicWithTime", "20261225T143005Z", civil_date{2026, 12, 25}},
                    reading{"IsoBasicMonth13", "20261325", no_date},
                    reading{"IsoBasicSevenDigits", "2026122", no_date},
                    reading{"IsoBasicImpossibleTime", "20261225T246000", no_date}),
    row_name<testing::TestParamInfo<reading>>);

INSTANTIATE_TEST_SUITE_P(
    NotDates, ReadUnderEveryOrder,
    testing::Values(reading{"Empty", "", no_date},
                    reading{"Blank", " \t ", no_date},
                    reading{"Prompt", "enter a date", no_date},
                    reading{"PromptShouting", "ENTER A DATE", no_date},
                    reading{"WrongSuffix", "15st January 2004", no_date},
                    reading{"WrongSuffixEleventh", "11st January 2004", no_date},
                    reading{"SuffixOnYear", "15 January 2004th", no_date},
                    reading{"ThirtyFirstApril", "31 April 2004", no_date},
                    reading{"DayZero", "0 Jan 2004", no_date},
                    reading{"MonthThirteen", "2004-13-01", no_date},
                    reading{"MixedSeparators", "1/15-2004", no_date},
                    reading{"MixedSeparatorsYearFirst", "2004-01/15", no_date},
                    reading{"OnlySpacesBetweenNumbers", "2004 01 15", no_date},
                    reading{"NoYearNumericWithStops", "1.15", no_date},
                    reading{"NoYearNamed", "Jan 15", civil_date{2026, 1, 15}},
                    reading{"MonthAndYear", "January 2004", no_date},
                    reading{"NumberAlone", "15", no_date},
                    reading{"TwoMonths", "Jan Feb 2004", no_date},
                    reading{"CommaBeforeDay", "2004 January, 15", no_date},
                    reading{"NameTooShort", "15 Ja 2004", no_date},
                    reading{"LeftOver", "15 Jan 2004 xyz", no_date},
                    reading{"TrailingStop", "15 Jan 2004.", no_date},
                    reading{"OfWithoutOrdinal", "9 of April 1958", no_date},
                    reading{"TheWithoutOrdinal", "the 9 April 1958", no_date},
                    reading{"OfBeforeYear", "April 9th of 1958", no_date},
                    reading{"ApostropheBeforeFourDigits", "Apr 9 '1958", no_date}),
    row_name<testing::TestParamInfo<reading>>);

// Texts only digits and marks: the order decides, and nothing is guessed.
struct numeric_reading {
    const char *name;
    const char *text;
    date_order order;
    std::optional<civil_date> expected;
    // Names the row in test listings, instead of dumping its bytes.
    friend void PrintTo(const numeric_reading &row, std::ostream *os) { *os << row.name; }
};

class ReadInOrder : public testing::TestWithParam<numeric_reading> {};

TEST_P(ReadInOrder, GivesTheExpectedAnswer)
{
    EXPECT_EQ(calc::recognize_english(GetParam().text, GetParam().order, dec7), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numeric, ReadInOrder,
    testing::Values(numeric_reading{"MdySlashes", "1/15/2004", month_day_year, jan15},
                    numeric_reading{"MdyTwoDigitYear", "01/15/04", month_day_year, jan15},
                    numeric_reading{"MdyDashes", "1-15-2004", month_day_year, jan15},
                    numeric_reading{"MdyDots", "1.15.2004", month_day_year, jan15},
                    numeric_reading{"MdyRefusesDayFirst", "15/1/2004", month_day_year, no_date},
                    numeric_reading{"DmySlashes", "15/1/2004", day_month_year, jan15},
                    numeric_reading{"DmyDots", "15.01.2004", day_month_year, jan15},
                    numeric_reading{"DmyRefusesMonthFirst", "1/15/2004", day_month_year, no_date},
                    numeric_reading{"YmdTwoDigitYear", "04/01/15", year_month_day, jan15},
                    numeric_reading{"YmdOneDigitYear", "4/01/15", year_month_day, no_date},
                    numeric_reading{"SameTextMdy", "04/01/15", month_day_year, civil_date{2015, 4, 1}},
                    numeric_reading{"SameTextDmy", "04/01/15", day_month_year, civil_date{2015, 1, 4}},
                    numeric_reading{"LongFirstFieldIsYear", "2004.01.15", day_month_year, jan15},
                    numeric_reading{"OrdinalMonth", "1st/15/2004", month_day_year, no_date},
                    numeric_reading{"OrdinalDay", "15th/1/2004", day_month_year, no_date},
                    numeric_reading{"ThreeDigitDay", "1/015/2004", month_day_year, no_date},
                    numeric_reading{"WithWeekday", "Thu 1/15/04 2:30 PM", month_day_year, jan15},
                    numeric_reading{"HourAlone", "12/25/2026 5 PM", month_day_year, civil_date{2026, 12, 25}},
                    numeric_reading{"MdThisYear", "3/26", month_day_year, civil_date{2026, 3, 26}},
                    numeric_reading{"DmThisYear", "26/3", day_month_year, civil_date{2026, 3, 26}},
                    numeric_reading{"DmRefusesMonthFirst", "3/26", day_month_year, no_date},
                    numeric_reading{"NoYearOnlyWithSlashes", "3.26", month_day_year, no_date}),
    row_name<testing::TestParamInfo<numeric_reading>>);

TEST(DateTextLength, LongerThan255IsNeverADate)
{
    std::string text = "2004-01-15";
    text.resize(255, ' ');
    EXPECT_EQ(calc::recognize_english(text, year_month_day, dec7), jan15);
    text += ' ';
    EXPECT_EQ(calc::recognize_english(text, year_month_day, dec7), no_date);
}

} // namespace
