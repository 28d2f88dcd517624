#include "calc/folding.h"
#include "locale_dates/locale_vocabulary_qt.h"
#include "locale_dates/lower_case_qt.h"

#include <QDate>
#include <QLocale>
#include <QTest>

#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>

#include <functional>
#include <memory>

namespace {

// Chosen for how they write dates: a stop after the day (de, hr, cs), words
// between the parts (es, ru, lt), CJK units (ja, zh, ko), a month's other form
// inside a date (pl, ru, cs, el), the weekday last (hu, tr), two-digit short
// years (de, ko, bg), other digits (ar_EG, fa_IR), marks of direction (ar_EG),
// a letter before the month (he), and Turkish and Greek letter case. Qt
// writes them; ICU writes those whose own calendar Qt lacks, and the eras.
const char *const locales[] = {"C",     "en_US", "de_DE", "es_ES", "ja_JP", "ru_RU", "hu_HU", "hr_HR",
                               "ko_KR", "bg_BG", "pl_PL", "tr_TR", "el_GR", "ar_EG", "zh_CN", "cs_CZ",
                               "lt_LT", "vi_VN", "he_IL", "fr_FR"};

// The day the texts are read on: a Monday, in a year that is not a leap year.
const QDate today(2026, 12, 7);

// As a date box reads a text: in the locale's lower case, folded, then recognized.
std::optional<calc::civil_date> readIn(const calc::date_recognizer &recognizer, const QString &text, const QLocale &l)
{
    const auto folded = calc::fold(lowerCasedForDates(text, l));
    return folded ? recognizer.recognize(*folded, {today.year(), today.month(), today.day()}) : std::nullopt;
}

std::optional<calc::civil_date> civil(QDate date)
{
    return calc::civil_date{date.year(), date.month(), date.day()};
}

// One way the locale writes a date, and whether its year has two digits.
struct form {
    std::function<QString(QDate)> write;
    bool shortYear;
};

std::vector<form> formsOf(const QString &name)
{
    std::vector<form> forms;
    if (!name.contains(QLatin1Char('@')) && std::find(std::begin(locales), std::end(locales), name) != std::end(locales)) {
        for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat, QLocale::NarrowFormat})
            forms.push_back({[format, l = QLocale(name)](QDate d) { return l.toString(d, format); },
                             !QLocale(name).dateFormat(format).contains(QLatin1String("yyy"))});
        return forms;
    }
    for (const auto style : {icu::DateFormat::kFull, icu::DateFormat::kLong, icu::DateFormat::kMedium,
                             icu::DateFormat::kShort}) {
        std::shared_ptr<icu::SimpleDateFormat> format(dynamic_cast<icu::SimpleDateFormat *>(
            icu::DateFormat::createDateInstance(style, icu::Locale(name.toLatin1().constData()))));
        format->adoptTimeZone(icu::TimeZone::createTimeZone("UTC"));
        // Gregorian all through, as the program counts, not Julian before 1582.
        if (auto *gregorian = dynamic_cast<icu::GregorianCalendar *>(const_cast<icu::Calendar *>(format->getCalendar()))) {
            UErrorCode status = U_ZERO_ERROR;
            gregorian->setGregorianChange(-8.64e15, status);
        }
        icu::UnicodeString pattern;
        format->toPattern(pattern);
        forms.push_back({[format](QDate d) {
                             icu::UnicodeString text;
                             format->format(static_cast<UDate>(QDate(1970, 1, 1).daysTo(d)) * U_MILLIS_PER_DAY, text);
                             return QString::fromUtf16(text.getBuffer(), text.length());
                         },
                         pattern.indexOf(u"yy") >= 0 && pattern.indexOf(u"yyy") < 0});
    }
    return forms;
}

} // namespace

class LocaleVocabularyTest : public QObject
{
    Q_OBJECT

private slots:
    // Qt writes, the recognizer reads: every day of a few whole years, and a
    // sample over the whole range, in each of the locale's own formats.
    void readsWhatTheLocaleWrites_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("first"); // where the calendar, or its first era, begins
        for (const char *name : locales)
            QTest::newRow(name) << name << QDate(100, 1, 1);
        QTest::newRow("th_TH") << "th_TH" << QDate(100, 1, 1);
        // Their first hundred years are written with two digits, which stand for a year of the 1900s.
        QTest::newRow("fa_IR") << "fa_IR" << QDate(722, 1, 1);
        QTest::newRow("ar_SA") << "ar_SA" << QDate(722, 1, 1);
        QTest::newRow("ja_JP eras") << "ja_JP@calendar=japanese" << QDate(1868, 9, 8);
        QTest::newRow("zh_TW Minguo") << "zh_TW@calendar=roc" << QDate(1912, 1, 1);
    }

    void readsWhatTheLocaleWrites()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, first);
        const QLocale l(locale.section(QLatin1Char('@'), 0, 0));
        const calc::date_recognizer recognizer(localeVocabulary(l));
        std::vector<QDate> dates;
        for (const int year : {1999, 2004, 2049})
            for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1))
                dates.push_back(d);
        for (QDate d = first; d.year() <= 9999; d = d.addDays(997))
            dates.push_back(d);
        for (const auto &[write, shortYear] : formsOf(locale)) {
            for (const QDate d : dates) {
                // A two-digit year holds only the century it stands for.
                if (shortYear && (d.year() < 1950 || d.year() > 2049))
                    continue;
                const QString text = write(d);
                QVERIFY2(readIn(recognizer, text, l) == civil(d), qPrintable(text));
                const QString shouted = l.toUpper(text);
                QVERIFY2(readIn(recognizer, shouted, l) == civil(d), qPrintable(shouted));
            }
        }
    }

    // What a person of the locale types, and what must stay no date.
    void readsWhatPeopleType_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        const QDate none;
        const auto row = [](const char *locale, const QString &text, QDate date) {
            QTest::addRow("%s %s", locale, qPrintable(text)) << locale << text << date;
        };
        row("de_DE", "15. März 2004", QDate(2004, 3, 15));
        row("de_DE", "Montag, 15. März 2004", QDate(2004, 3, 15));
        row("de_DE", "13. Aug. 2060", QDate(2060, 8, 13));
        row("de_DE", "13. Aug 2060", QDate(2060, 8, 13));
        row("de_DE", "15.März 2004", QDate(2004, 3, 15));
        row("de_DE", "15.  März   2004", QDate(2004, 3, 15));
        row("de_DE", QString::fromUtf8("15.\u00a0M\u00e4rz\u202f2004"), QDate(2004, 3, 15));
        row("de_DE", QString::fromUtf8("15. Ma\u0308rz 2004"), QDate(2004, 3, 15)); // decomposed
        row("de_DE", "15.03.2004", QDate(2004, 3, 15));
        row("de_DE", "15. MÄRZ 2004", QDate(2004, 3, 15));
        row("de_DE", "January 15, 2004", QDate(2004, 1, 15));
        row("de_DE", "Dienstag, 15. März 2004", none);
        row("de_DE", "30. Februar 2045", none);
        row("de_DE", "7. März", QDate(2026, 3, 7));
        row("de_DE", "15. marzo 2004", none);
        row("es_ES", "lunes, 15 de marzo de 2004", QDate(2004, 3, 15));
        row("es_ES", "15 de marzo de 2004", QDate(2004, 3, 15));
        row("es_ES", "mar, 16 de mar de 2004", QDate(2004, 3, 16));
        row("es_ES", "15/3/04", QDate(2004, 3, 15));
        row("es_ES", "15/3/50", QDate(1950, 3, 15));
        row("ja_JP", "2004年3月15日", QDate(2004, 3, 15));
        row("ja_JP", "2004年3月15日月曜日", QDate(2004, 3, 15));
        row("ja_JP", "2004年3月15日火曜日", none);
        row("ru_RU", "15 марта 2004 г.", QDate(2004, 3, 15));
        row("ru_RU", "15 марта 2004", QDate(2004, 3, 15));
        row("ru_RU", "15 март 2004 г.", QDate(2004, 3, 15));
        row("ru_RU", "15 МАРТА 2004 Г.", QDate(2004, 3, 15));
        row("hu_HU", "2004. március 15.", QDate(2004, 3, 15));
        row("hu_HU", "2004. március 15., hétfő", QDate(2004, 3, 15));
        row("hu_HU", "2004. 03. 15.", QDate(2004, 3, 15));
        row("hr_HR", "15. 03. 2004.", QDate(2004, 3, 15));
        row("ko_KR", "04. 3. 15.", QDate(2004, 3, 15));
        row("bg_BG", "15.03.04 г.", QDate(2004, 3, 15));
        row("bg_BG", "15.03.2004 г.", QDate(2004, 3, 15));
        row("pl_PL", "15 marca 2004", QDate(2004, 3, 15));
        row("pl_PL", "15 marzec 2004", QDate(2004, 3, 15));
        row("tr_TR", "15 EKİM 2004", QDate(2004, 10, 15));
        row("tr_TR", "15 ARALIK 2004", QDate(2004, 12, 15));
        row("tr_TR", "FRIDAY, 15 OCTOBER 2004", QDate(2004, 10, 15));
        row("el_GR", "15 ΜΑΡΤΙΟΥ 2004", QDate(2004, 3, 15));
        row("ar_EG", "١٥/٣/٢٠٠٤", QDate(2004, 3, 15));
        row("ar_EG", "١٥ مارس ٢٠٠٤", QDate(2004, 3, 15));
        row("ar_EG", "15/3/2004", QDate(2004, 3, 15));
        row("fa_IR", "۱۴۰۵/۹/۱۶", QDate(2026, 12, 7));
        row("fa_IR", "1405/9/16", QDate(2026, 12, 7));
        row("fa_IR", "۱۶ آذر ۱۴۰۵", QDate(2026, 12, 7));
        row("fa_IR", "۱۶ آذر ۱۴۰۵ ه‍.ش.", QDate(2026, 12, 7));
        row("fa_IR", "۷ مارس ۲۰۲۶", QDate(2026, 3, 7));
        row("th_TH", "7 ธันวาคม 2569", QDate(2026, 12, 7));
        row("th_TH", "7 ธ.ค. 2569", QDate(2026, 12, 7));
        row("th_TH", "7/12/2569", QDate(2026, 12, 7));
        row("th_TH", "วันจันทร์ที่ 7 ธันวาคม พ.ศ. 2569", QDate(2026, 12, 7));
        row("th_TH", "8 มกราคม ค.ศ. 2000", QDate(2000, 1, 8));
        row("th_TH", "2026-12-07", QDate(2026, 12, 7));
        row("ar_SA", "٢٧ جمادى الآخرة ١٤٤٨ هـ", QDate(2026, 12, 7));
        row("ar_SA", "27/6/1448", QDate(2026, 12, 7));
        row("ar_SA", "30/1/1448", none);
        row("ar_SA", "30/9/1448", none);
        row("ar_SA", "15 يناير 2004 م", QDate(2004, 1, 15));
        row("ar_SA", "7 ديسمبر 2026", QDate(2026, 12, 7));
        row("ja_JP", "令和8年12月7日", QDate(2026, 12, 7));
        row("ja_JP", "R8/12/7", QDate(2026, 12, 7));
        row("ja_JP", "令和元年5月1日", QDate(2019, 5, 1));
        row("ja_JP", "平成31年5月1日", none);
        row("zh_TW", "民國115年12月7日", QDate(2026, 12, 7));
        row("sk_SK", "15. 3. 2004", QDate(2004, 3, 15));
        row("cs_CZ", "15. července 2004", QDate(2004, 7, 15));
        row("cs_CZ", "15. června 2004", QDate(2004, 6, 15));
        row("cs_CZ", "15. listopadu 2004", QDate(2004, 11, 15));
        row("hr_HR", "15. listopada 2004.", QDate(2004, 10, 15));
        row("vi_VN", "15 tháng 10, 2004", QDate(2004, 10, 15));
        row("vi_VN", "15 tháng 1, 2004", QDate(2004, 1, 15));
        // Dates with their times as ICU writes them, joined by the locale's words.
        const QDate apr9(1958, 4, 9), jan1(1951, 1, 1);
        row("en_US", QString::fromUtf8("Apr 9, 1958, 9:03 AM"), apr9);
        row("de_DE", "Mittwoch, 9. April 1958 um 09:03:41 Koordinierte Weltzeit", apr9);
        row("el_GR", "9 Απριλίου 1958 στις 9:03 π.μ.", apr9);
        row("ko_KR", "1958년 4월 9일 수요일 오전 9:03", apr9);
        row("ar_EG", "الأربعاء، ٩ أبريل ١٩٥٨ في ٩:٠٣ ص", apr9);
        row("fi_FI", "keskiviikko 9. huhtikuuta 1958 klo 9.03", apr9);
        row("fa_IR", "۱۳۳۷ فروردین ۲۰, چهارشنبه ساعت ۹:۰۳:۴۱ (زمان هماهنگ جهانی)", apr9);
        row("fi_FI", "15.1.2004 24.00.01", none);
        // As the C library writes them: the date command's output, and its dates alone.
        row("de_DE", "Mo 1. Jan 09:00:05 UTC 1951", jan1);
        row("en_US", "Mon Jan  1 09:00:05 AM UTC 1951", jan1);
        row("ja_JP", "昭和26年01月01日 09時00分05秒", jan1);
        row("lv_LV", "1951.01.01.", jan1);
        row("lv_LV", "15.01.04.", none); // no year first in two digits, where digits are day first
        row("zu_ZA", "02/11/1950", QDate(1950, 2, 11)); // in Qt's order, though the C library writes days first
        row("ar_EG", "01 ينا, 1951", jan1);
        // Mail and ISO, under any locale; the zone does not move the date.
        row("fr_FR", "Wed, 09 Apr 1958 09:03:41 GMT", apr9);
        row("ru_RU", "1958-04-09T23:30:00-05:00", apr9);
        // Full-width forms, and short names without their full stop.
        row("ja_JP", "２００４・３・１５", QDate(2004, 3, 15));
        row("ja_JP", "２００４／３／１５", QDate(2004, 3, 15));
        row("hu_HU", "1927. nov 26.", QDate(1927, 11, 26));
        row("lv_LV", "1933. gada 12. apr", QDate(1933, 4, 12));
        // The days around today, in the locale's words and in English, in any case, a time after.
        row("en_US", "Tomorrow 17:39", today.addDays(1));
        row("de_DE", "heute 9:30", today);
        row("de_DE", "ÜBERMORGEN", today.addDays(2));
        row("fr_FR", "aujourd'hui", today);
        row("fr_FR", "apres-demain", today.addDays(2));
        row("ru_RU", "СЕГОДНЯ", today);
        row("ja_JP", "一昨日", today.addDays(-2));
        row("th_TH", "พรุ่งนี้", today.addDays(1));
        row("fa_IR", "پس فردا", today.addDays(2));
        // A day and month without their year, in this year of the calendar they are written in.
        row("en_US", "3/26", QDate(2026, 3, 26));
        row("en_US", "January 2004", none);
        row("en_GB", "3/26", none);
        row("de_DE", "20.04.", QDate(2026, 4, 20));
        row("de_DE", "Montag, 7. Dezember", today);
        row("ja_JP", "12月7日", today);
        row("fa_IR", "۱۶ آذر", today);
        row("ar_SA", "٢٧ جمادى الآخرة", today);
        row("th_TH", "7 ธ.ค.", today);
        // The locale's other forms: a weekday before digits, a day and month in the locale's order, the hour's words.
        const QDate jan7(2026, 1, 7), mar15(2004, 3, 15);
        row("sv_SE", "7/1", jan7);
        row("sv_SE", "ons 7/1", jan7);
        row("sv_SE", "tors 7/1", none);
        row("lv_LV", "07.01.", jan7);
        row("de_DE", "Mo., 15.03.2004 14:30", mar15);
        row("de_DE", "15.03.2004, 14:30 Uhr", mar15);
        row("de_DE", "15.03.2004 um 14 Uhr", mar15);
        row("de_DE", "01.01.04", QDate(2004, 1, 1));
        row("fr_FR", "15/03/2004 à 14h30", mar15);
        row("fr_FR", "lundi 15 mars 2004, 14h", mar15);
        row("es_ES", "mié, 7 ene", jan7);
        row("it_IT", "mer 7/1", jan7);
        row("pl_PL", "śr., 7.01", jan7);
        row("nl_NL", "wo 7-1", jan7);
        row("ja_JP", "1月7日(水)", jan7);
        row("ja_JP", "2026/12/25(金)", QDate(2026, 12, 25));
        row("ja_JP", "2026/12/25(木)", none);
        row("ko_KR", "1월 7일 (수)", jan7);
        row("vi_VN", "lúc 09:03 Thứ Tư, 9 tháng 4, 1958", apr9);
        // Words people type around a date and its time, which no locale data holds.
        row("de_DE", "am 15. März 2004", mar15);
        row("de_DE", "Donnerstag, den 24. Dezember 2026", QDate(2026, 12, 24));
        row("de_DE", "15. März 2004 am", none);
        row("fr_FR", "le 15 mars 2004", mar15);
        row("es_ES", "el 15 de marzo de 2004", mar15);
        row("es_ES", "15/03/2004 14:30h", mar15);
        row("it_IT", "il 15 marzo 2004", mar15);
        row("it_IT", "lunedì 15 marzo 2004 ore 14:30", mar15);
        row("sv_SE", "den 15 mars 2004", mar15);
        row("sv_SE", "15 mars 2004 kl. 14.30", mar15);
        row("pl_PL", "15.03.2004 r.", mar15);
        row("pl_PL", "15 marca 2004 r. o godz. 14:30", mar15);
        row("nl_NL", "maandag 15 maart 2004 om 14.30 uur", mar15);
        row("ru_RU", "25 декабря 2026 года", QDate(2026, 12, 25));
        row("ar_EG", "الجمعة ٢٥ ديسمبر ٢٠٢٦", QDate(2026, 12, 25));
        row("ar_EG", "امس", today.addDays(-1));
        row("ar_EG", "غدا", today.addDays(1));
        row("ar_EG", "الان", today);
        row("fa_IR", "۱۶ اذر", none);
        row("fr_FR", "1er mars 1990", QDate(1990, 3, 1));
        row("fr_FR", "samedi 1er mars 2025", QDate(2025, 3, 1));
        row("fr_FR", "1re mars 1990", none); // Persian's alef with madda stays a letter of its own
    }

    void readsWhatPeopleType()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDate, date);
        const QLocale l(locale);
        QCOMPARE(readIn(calc::date_recognizer(localeVocabulary(l)), text, l), date.isValid() ? civil(date) : std::nullopt);
    }

    // Digits alone are read in the order of the locale's short format.
    void digitsFollowTheShortFormat_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("date"); // of "01/02/03"
        QTest::newRow("C") << "C" << QDate(2003, 1, 2);
        QTest::newRow("en_US") << "en_US" << QDate(2003, 1, 2);
        QTest::newRow("en_GB") << "en_GB" << QDate(2003, 2, 1);
        QTest::newRow("de_DE") << "de_DE" << QDate(2003, 2, 1);
        QTest::newRow("fr_FR") << "fr_FR" << QDate(2003, 2, 1);
        QTest::newRow("ja_JP") << "ja_JP" << QDate(2001, 2, 3);
        QTest::newRow("hu_HU") << "hu_HU" << QDate(2001, 2, 3);
        QTest::newRow("fr_CA") << "fr_CA" << QDate(2001, 2, 3);
    }

    void digitsFollowTheShortFormat()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, date);
        QCOMPARE(calc::date_recognizer(localeVocabulary(QLocale(locale))).recognize("01/02/03", {2026, 12, 7}), civil(date));
    }
};

QTEST_MAIN(LocaleVocabularyTest)
#include "locale_vocabulary_qt_test.moc"
