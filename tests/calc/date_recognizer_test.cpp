#include "calc/ascii.h"
#include "calc/date_recognizer.h"
#include "calc/folding.h"
#include "tests/calc/printing.h"
#include "tests/calc/sample_locales.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>

namespace {

using calc::civil_date;

constexpr std::optional<civil_date> no_date;
// The day the texts are read on, unless a row says otherwise: a Monday, in a year that is not a leap year.
constexpr civil_date dec7{2026, 12, 7};

// Texts in a locale's own words, read with what the locale says of them.
struct locale_reading {
    const char *name;
    const calc::locale_vocabulary *locale;
    const char *text;
    std::optional<civil_date> expected;
    civil_date today = dec7;
    friend void PrintTo(const locale_reading &row, std::ostream *os) { *os << row.name; }
};

class ReadInLocale : public testing::TestWithParam<locale_reading> {};

// As a front end reads a box: lower case (here ASCII's, as the platform would), then folded.
std::optional<civil_date> read(const calc::locale_vocabulary &locale, std::string text, civil_date today)
{
    std::transform(text.begin(), text.end(), text.begin(), calc::ascii::to_lower);
    const auto folded = calc::fold(text);
    return folded ? calc::date_recognizer(locale).recognize(*folded, today) : std::nullopt;
}

TEST_P(ReadInLocale, GivesTheExpectedAnswer)
{
    EXPECT_EQ(read(*GetParam().locale, GetParam().text, GetParam().today), GetParam().expected);
}

constexpr civil_date mar15{2004, 3, 15}, jan15{2004, 1, 15};
// One word for two months: no text with it is a date.
const calc::locale_vocabulary twice_may{{"d MMMM yyyy"}, {{{}, {}, {}, {}, {"may"}, {"may"}}}, {}};
// Names that end in the month's number, as Vietnamese ones do.
const calc::locale_vocabulary numbered_months{{"d MMMM yyyy"}, {{{"thang 1"}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {"thang 12"}}}, {}};
using sample_locales::spanish, sample_locales::russian, sample_locales::japanese, sample_locales::swedish,
    sample_locales::german, sample_locales::vietnamese, sample_locales::polish, sample_locales::arabic;
// The same words, in a language whose letters they would merge.
calc::locale_vocabulary arabic_letters_elsewhere()
{
    auto persian = arabic;
    persian.arabic_spelling = false;
    return persian;
}
const calc::locale_vocabulary not_arabic = arabic_letters_elsewhere();

INSTANTIATE_TEST_SUITE_P(
    Words, ReadInLocale,
    testing::Values(locale_reading{"LongFormat", &spanish, "lunes, 15 de marzo de 2004", mar15},
                    locale_reading{"WithoutWeekday", &spanish, "15 de marzo de 2004", mar15},
                    locale_reading{"ShortNameWithStop", &spanish, "15 de mar. de 2004", mar15},
                    locale_reading{"WeekdayOrMonthByPlace", &spanish, "mar, 16 de mar de 2004", civil_date{2004, 3, 16}},
                    locale_reading{"WrongWeekday", &spanish, "martes, 15 de marzo de 2004", no_date},
                    locale_reading{"WordsLeftOut", &spanish, "15 marzo 2004", no_date},
                    locale_reading{"SpacesLeftOut", &spanish, "15de marzode2004", mar15},
                    locale_reading{"AsciiCapitals", &spanish, "15 DE MARZO DE 2004", mar15},
                    locale_reading{"NoYear", &spanish, "15 de marzo", civil_date{2026, 3, 15}},
                    locale_reading{"NoYearShort", &spanish, "15/3 14:30", civil_date{2026, 3, 15}},
                    locale_reading{"NoYearOtherWeekday", &spanish, "lunes, 15 de marzo", no_date},
                    locale_reading{"Impossible", &spanish, "30 de febrero de 2045", no_date},
                    locale_reading{"OtherLanguage", &spanish, "15 de March de 2004", no_date},
                    locale_reading{"EnglishStillRead", &spanish, "March 15, 2004", mar15},
                    locale_reading{"ProgramsEnglishStillRead", &japanese, "Mon Mar 15 2004 23:30:05 GMT+0900 (\u65e5\u672c\u6a19\u6e96\u6642)", mar15},
                    locale_reading{"ShortFormat", &spanish, "15/3/04", mar15},
                    locale_reading{"FourDigitYearInShortFormat", &spanish, "15/3/2004", mar15},
                    locale_reading{"ArabicIndicDigits", &spanish, "\u0661\u0665/\u0663/\u0660\u0664", mar15},
                    locale_reading{"FullwidthDigits", &spanish, "\uff11\uff15/3/04", mar15},
                    locale_reading{"NoBreakSpaces", &spanish, "15\u00a0de\u202fmarzo de 2004", mar15},
                    locale_reading{"DirectionMarks", &spanish, "15\u200f/3\u200f/04", mar15},
                    locale_reading{"MalformedUtf8", &spanish, "15 de mar\xffzo de 2004", no_date},
                    locale_reading{"Genitive", &russian, "15 марта 2004 г.", mar15},
                    locale_reading{"Nominative", &russian, "15 март 2004 г.", mar15},
                    locale_reading{"EndWordsCut", &russian, "15 марта 2004 г", mar15},
                    locale_reading{"EndWordsLeftOut", &russian, "15 марта 2004", mar15},
                    locale_reading{"WithTime", &russian, "15 марта 2004 г. 14:30", mar15},
                    locale_reading{"TimeAfterJoiningWord", &russian, "15 марта 2004 г. в 14:30", mar15},
                    locale_reading{"ZoneByTheLocalesName", &russian, "15.03.2004 в 14:30:05 всемирное координированное время", mar15},
                    locale_reading{"ZoneInBrackets", &russian, "15.03.2004 14:30:05 (utc+3)", mar15},
                    locale_reading{"ImpossibleTime", &russian, "15 марта 2004 г. в 25:00", no_date},
                    locale_reading{"NothingAfterTheTime", &russian, "15 марта 2004 г. в 14:30 в", no_date},
                    locale_reading{"TimeInsideTheDate", &russian, "пн 15 мар 2004 14:30:05 msk", mar15},
                    locale_reading{"TimeInsideWithoutZone", &russian, "пн 15 мар 2004 14:30:05", mar15},
                    locale_reading{"ZoneAndItsAbbreviation", &russian, "15.03.2004 14:30:05 +0300 MSK", mar15},
                    locale_reading{"ShortNameWithoutItsStop", &russian, "15 мар 2004 г.", mar15},
                    locale_reading{"Decomposed", &russian, "1 ма\u0438\u0306 2004 г.", civil_date{2004, 5, 1}},
                    locale_reading{"NoYearWordsAfterLeftOut", &russian, "15 марта", civil_date{2026, 3, 15}},
                    locale_reading{"Units", &japanese, "2004年3月15日", mar15},
                    locale_reading{"UnitsWeekdayLast", &japanese, "2004年3月15日月曜日", mar15},
                    locale_reading{"UnitsWrongWeekday", &japanese, "2004年3月15日火曜日", no_date},
                    locale_reading{"TimeInUnits", &japanese, "2004年3月15日 14時30分05秒", mar15},
                    locale_reading{"DayPeriodBeforeTheTime", &japanese, "2004年3月15日 午後2:30", mar15},
                    locale_reading{"DayPeriodLeftOut", &japanese, "2004年3月15日 2:30", mar15},
                    locale_reading{"DayPeriodWithHour13", &japanese, "2004年3月15日 午後13:30", no_date},
                    locale_reading{"UnitsNoYear", &japanese, "3月15日日曜日", civil_date{2026, 3, 15}},
                    locale_reading{"DayAlone", &japanese, "15日", no_date},
                    locale_reading{"DigitsWithoutYearInTheirOwnOrder", &swedish, "7/1", civil_date{2026, 1, 7}},
                    locale_reading{"WeekdayBeforeDigitsWithoutYear", &swedish, "ons 7/1", civil_date{2026, 1, 7}},
                    locale_reading{"WrongWeekdayBeforeDigits", &swedish, "torsdag 7/1", no_date},
                    locale_reading{"ShortDateKeepsItsOrder", &swedish, "2004-01-07", civil_date{2004, 1, 7}},
                    locale_reading{"HourAndItsWord", &german, "15.03.2004 um 14 Uhr", mar15},
                    locale_reading{"MinutesAfterTheHoursWord", &german, "15.03.2004 um 14 Uhr 30", mar15},
                    locale_reading{"HoursWordAfterATime", &german, "15.03.2004, 14:30 Uhr", mar15},
                    locale_reading{"HourWithoutItsWordIsAYear", &german, "15.03.04", mar15},
                    locale_reading{"ImpossibleHourWithItsWord", &german, "15.03.2004 um 24 Uhr", no_date},
                    locale_reading{"TimeFirst", &vietnamese, "lu\u0301c 09:03 15/03/2004", mar15},
                    locale_reading{"TimeFirstImpossible", &vietnamese, "lu\u0301c 25:03 15/03/2004", no_date},
                    locale_reading{"WordBeforeTheDate", &german, "am 15. Ma\u0308rz 2004", mar15},
                    locale_reading{"WordAfterTheWeekday", &german, "Montag, den 15. Ma\u0308rz 2004", mar15},
                    locale_reading{"WordBeforeTwice", &german, "am am 15. Ma\u0308rz 2004", no_date},
                    locale_reading{"WordBeforeAfterTheDate", &german, "15. Ma\u0308rz 2004 am", no_date},
                    locale_reading{"WordAfterTheDate", &polish, "15.03.2004 r.", mar15},
                    locale_reading{"WordAfterTheDateThenTime", &polish, "15.03.2004 r. o godz. 14:30", mar15},
                    locale_reading{"WordAfterBeforeTheDate", &polish, "r. 15.03.2004", no_date},
                    locale_reading{"ArabicWithoutHamza", &arabic, "امس", civil_date{2026, 12, 6}},
                    locale_reading{"ArabicWithoutTanween", &arabic, "غدا", civil_date{2026, 12, 8}},
                    locale_reading{"HamzaKeptElsewhere", &not_arabic, "امس", no_date},
                    locale_reading{"DayAsOrdinal", &spanish, "1.o de marzo de 2004", civil_date{2004, 3, 1}},
                    locale_reading{"DayAsOrdinalWithWeekday", &spanish, "lunes, 1.o de marzo de 2004", civil_date{2004, 3, 1}},
                    locale_reading{"OrdinalNotTheLocales", &spanish, "1.a de marzo de 2004", no_date},
                    locale_reading{"OneWordTwoMonths", &twice_may, "15 may 2004", no_date},
                    locale_reading{"NameEndsInsideANumber", &numbered_months, "5 thang 12004", no_date}),
    row_name<testing::TestParamInfo<locale_reading>>);

using sample_locales::thai, sample_locales::iranian, sample_locales::saudi, sample_locales::japanese_eras;

INSTANTIATE_TEST_SUITE_P(
    Calendars, ReadInLocale,
    testing::Values(locale_reading{"BuddhistByMonthName", &thai, "7 ธันวาคม 2569", dec7},
                    locale_reading{"BuddhistDigits", &thai, "7/12/2569", dec7},
                    locale_reading{"BuddhistTwoDigitYear", &thai, "7/12/69", dec7},
                    locale_reading{"BuddhistOtherSeparator", &thai, "7.12.2569", dec7},
                    locale_reading{"BuddhistEraAndWeekday", &thai, "วันจันทร์ที่ 7 ธ.ค. พ.ศ. 2569", dec7},
                    locale_reading{"GregorianEraInThai", &thai, "8 มกราคม ค.ศ. 2000", civil_date{2000, 1, 8}},
                    locale_reading{"IsoStaysGregorian", &thai, "2026-12-07", dec7},
                    locale_reading{"EnglishStaysGregorian", &thai, "7 December 2026", dec7},
                    locale_reading{"PersianByMonthName", &iranian, "16 آذر 1405", dec7},
                    locale_reading{"PersianDigits", &iranian, "1405/9/16", dec7},
                    locale_reading{"PersianEra", &iranian, "16 آذر 1405 ه.ش.", dec7},
                    locale_reading{"GregorianNameInPersian", &iranian, "7 مارس 2026", civil_date{2026, 3, 7}},
                    locale_reading{"LeapEsfand", &iranian, "30 اسفند 1403", civil_date{2025, 3, 20}},
                    locale_reading{"NoThirtiethEsfand", &iranian, "1402/12/30", no_date},
                    locale_reading{"UmmAlQuraByMonthName", &saudi, "27 جمادى الآخرة 1448 هـ", dec7},
                    locale_reading{"UmmAlQuraDigits", &saudi, "27/6/1448", dec7},
                    locale_reading{"NoThirtiethMuharram", &saudi, "30 محرم 1448", no_date},
                    locale_reading{"GregorianEraInArabic", &saudi, "15 يناير 2004 م", jan15},
                    locale_reading{"GregorianNameInArabic", &saudi, "15 يناير 2004", jan15},
                    locale_reading{"HijriMonthGregorianEra", &saudi, "27 جمادى الآخرة 1448 م", no_date},
                    locale_reading{"Reiwa", &japanese_eras, "令和8年12月7日", dec7},
                    locale_reading{"ReiwaByLetter", &japanese_eras, "r8/12/7", dec7},
                    locale_reading{"EraFirstYearWord", &japanese_eras, "令和元年5月1日", civil_date{2019, 5, 1}},
                    locale_reading{"HeiseiAfterItsEnd", &japanese_eras, "平成31年5月1日", no_date},
                    locale_reading{"EraUnnamedIsGregorian", &japanese_eras, "2026/12/7", dec7},
                    locale_reading{"Minguo", &japanese_eras, "民國115年12月7日", dec7},
                    locale_reading{"MinguoTwoDigits", &japanese_eras, "民國38年1月1日", civil_date{1949, 1, 1}},
                    locale_reading{"PersianYearBeganInMarch", &iranian, "16 آذر", civil_date{2025, 12, 7}, {2026, 1, 15}},
                    locale_reading{"UmmAlQuraDigitsNoYear", &saudi, "27/6", dec7},
                    locale_reading{"NoEraWithoutAYear", &saudi, "27 جمادى الآخرة هـ", no_date},
                    locale_reading{"GregorianNameNoYear", &iranian, "7 مارس", civil_date{2026, 3, 7}}),
    row_name<testing::TestParamInfo<locale_reading>>);

INSTANTIATE_TEST_SUITE_P(
    DaysAroundToday, ReadInLocale,
    testing::Values(locale_reading{"EnglishUnderEveryLocale", &iranian, "today", dec7},
                    locale_reading{"EnglishNowWithTime", &russian, "now 17:39", dec7},
                    locale_reading{"AccentAndSpaceLeftOut", &spanish, "pasadomanana", civil_date{2026, 12, 9}},
                    locale_reading{"ImpossibleTime", &spanish, "hoy 25:00", no_date},
                    locale_reading{"WordsAfter", &spanish, "hoy mismo", no_date},
                    locale_reading{"Units", &japanese, "今日17:39", dec7},
                    locale_reading{"SpaceForNonJoiner", &iranian, "پس فردا", civil_date{2026, 12, 9}},
                    locale_reading{"AcrossAYear", &spanish, "man\u0303ana", civil_date{2027, 1, 1}, {2026, 12, 31}},
                    locale_reading{"PastTheRange", &spanish, "man\u0303ana", no_date, {9999, 12, 31}}),
    row_name<testing::TestParamInfo<locale_reading>>);

// However many spaces stand around a typed date, only what they enclose counts toward the limit.
TEST(TypedDateText, DropsTheSpacesAroundThenRefusesWhatIsTooLong)
{
    const std::u16string date = u"15 January 2004";
    const std::u16string around(20000, u' ');
    EXPECT_EQ(calc::typed_date_text(around + date + u"\u00a0\u3000" + around), date);
    EXPECT_EQ(calc::typed_date_text(u"\t" + date + u"\n"), date);
    const std::u16string longest(calc::longest_date_utf16_units, u'1');
    EXPECT_EQ(calc::typed_date_text(u" " + longest + u" "), longest);
    EXPECT_EQ(calc::typed_date_text(longest + u"/"), std::nullopt);
}

} // namespace
