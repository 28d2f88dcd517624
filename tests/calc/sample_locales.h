#pragma once

// Locales as a platform describes them to the recognizer, by hand: folded to
// lower case and decomposed (NFD) as a front end folds them.

#include "calc/date_recognizer.h"

namespace sample_locales {

using calc::calendar;

// Words between the parts; "mar" both Tuesday and March; words for the days
// around today; the first of a month as an ordinal ("1.º", decomposed).
inline const calc::locale_vocabulary spanish{
    .formats = {"d/M/yy", "dddd, d 'de' MMMM 'de' yyyy"},
    .months = {{{"enero", "ene"}, {"febrero", "feb"}, {"marzo", "mar"}, {"abril", "abr"},
                {"mayo", "may"}, {"junio", "jun"}, {"julio", "jul"}, {"agosto", "ago"},
                {"septiembre", "sept"}, {"octubre", "oct"}, {"noviembre", "nov"}, {"diciembre", "dic"}}},
    .weekdays = {{{"domingo", "dom"}, {"lunes", "lun"}, {"martes", "mar"}, {"mie\u0301rcoles", "mie\u0301"},
                  {"jueves", "jue"}, {"viernes", "vie"}, {"sa\u0301bado", "sa\u0301b"}}},
    .relative_days = {{"ayer", -1}, {"hoy", 0}, {"man\u0303ana", 1}, {"pasado man\u0303ana", 2}},
    .day_ordinals = {{"1.o", 1}}};

// Words after the year; a month's own form inside a date and alone; a time
// joined by a word, and the C library's date-time, with the time inside.
inline const calc::locale_vocabulary russian{
    .formats = {"dd.MM.yyyy", "dddd, d MMMM yyyy 'г'.", "ddd dd MMM yyyy HH:mm:ss z"},
    .months = {{{"января", "январь", "янв."}, {"февраля", "февраль", "февр."}, {"марта", "март", "мар."},
                {"апреля", "апрель", "апр."}, {"мая", "ма\u0438\u0306"}, {"июня", "июнь", "июн."},
                {"июля", "июль", "июл."}, {"августа", "август", "авг."}, {"сентября", "сентябрь", "сент."},
                {"октября", "октябрь", "окт."}, {"ноября", "ноябрь", "нояб."}, {"декабря", "декабрь", "дек."}}},
    .weekdays = {{{"воскресенье", "вс"}, {"понедельник", "пн"}, {"вторник", "вт"}, {"среда", "ср"},
                  {"четверг", "чт"}, {"пятница", "пт"}, {"суббота", "сб"}}},
    .time_formats = {"HH:mm:ss z", "HH:mm"},
    .time_joins = {{"' в '", ""}},
    .utc_names = {"всемирное координированное время"}};

// Units after each number and the weekday last, with no spaces; times in
// units too, and the day's period before the time.
inline const calc::locale_vocabulary japanese{
    .formats = {"yyyy/MM/dd", "yyyy年M月d日dddd"},
    .months = {{{"1月"}, {"2月"}, {"3月"}, {"4月"}, {"5月"}, {"6月"}, {"7月"}, {"8月"}, {"9月"}, {"10月"}, {"11月"}, {"12月"}}},
    .weekdays = {{{"日曜日", "日"}, {"月曜日", "月"}, {"火曜日", "火"}, {"水曜日", "水"}, {"木曜日", "木"},
                  {"金曜日", "金"}, {"土曜日", "土"}}},
    .time_formats = {"H時mm分ss秒", "tth:mm"},
    .day_periods = {"午前", "午後"},
    .relative_days = {{"今日", 0}, {"今", 0}}};

// The short date year first, and a day and month without their year day first.
inline const calc::locale_vocabulary swedish{
    .formats = {"yyyy-MM-dd", "d MMMM yyyy"},
    .months = {{{"januari", "jan."}, {}, {"mars"}}},
    .weekdays = {{{}, {}, {}, {"onsdag", "ons"}, {"torsdag", "tors"}}},
    .formats_without_year = {"d/M", "dddd d/M"}};

// The hour's own word, after an hour alone and after a whole time.
inline const calc::locale_vocabulary german{
    .formats = {"dd.MM.yy", "dddd, d. MMMM yyyy"},
    .months = {{{}, {}, {"ma\u0308rz"}}},
    .weekdays = {{{}, {"montag"}, {"dienstag"}}},
    .words_before = {"am", "den"},
    .time_formats = {"HH:mm", "HH 'uhr'"},
    .time_joins = {{"' um '", ""}, {"', '", ""}}};

// The time before the date, after a word.
inline const calc::locale_vocabulary vietnamese{
    .formats = {"dd/MM/yyyy"},
    .time_formats = {"HH:mm"},
    .time_first_joins = {{"'lu\u0301c '", "' '"}}};

// Words after the date, and before its time.
inline const calc::locale_vocabulary polish{
    .formats = {"dd.MM.yyyy"},
    .words_after = {"r."},
    .time_formats = {"HH:mm"},
    .time_joins = {{"'o godz.'", ""}}};

// Hamza on alef and tanween, which Arabic is typed without as often as not.
inline const calc::locale_vocabulary arabic{
    .arabic_spelling = true,
    .relative_days = {{"ا\u0654مس", -1}, {"غد\u064bا", 1}}};

// Calendars of their own, and eras; only the names the tests use.

// Buddhist years, in the Gregorian months' names.
inline const calc::locale_vocabulary thai{
    {"d/M/yyyy", "ddddที่ d MMMM gg yyyy"},
    {{{"มกราคม"}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {"ธันวาคม", "ธ.ค."}}},
    {{{}, {"วันจันทร์"}}},
    calendar::buddhist,
    {},
    {{"พ.ศ.", calendar::buddhist}, {"ค.ศ.", calendar::gregorian}}};

// Months of its own beside the Gregorian ones; a word with a zero-width non-joiner.
inline const calc::locale_vocabulary iranian{
    .formats = {"yyyy/M/d", "d MMMM yyyy"},
    .months = {{{}, {}, {"مارس"}}},
    .own_calendar = calendar::persian,
    .own_months = {{{}, {}, {}, {}, {}, {}, {}, {}, {"آذر"}, {}, {}, {"اسفند"}}},
    .eras = {{"ه.ش.", calendar::persian}},
    .relative_days = {{"پس\u200cفردا", 2}}};

// Its own months' names with the Gregorian ones among them, as Windows lists them under Wine.
inline const calc::locale_vocabulary saudi{
    {"d/M/yyyy", "d MMMM yyyy g"},
    {{{"يناير"}}},
    {},
    calendar::umalqura,
    {{{"محرم", "يناير"}, {}, {}, {}, {}, {"جمادى الآخرة"}}},
    {{"هـ", calendar::umalqura}, {"م", calendar::gregorian}}};

// Gregorian, with eras named; one-letter eras, and a word for an era's first year.
inline const calc::locale_vocabulary japanese_eras{
    {"yyyy/M/d", "ggy年M月d日", "ggy/M/d"},
    {},
    {},
    calendar::gregorian,
    {},
    {{"令和", calendar::reiwa}, {"r", calendar::reiwa}, {"平成", calendar::heisei}, {"h", calendar::heisei}, {"民國", calendar::roc}},
    {"元"}};

} // namespace sample_locales
