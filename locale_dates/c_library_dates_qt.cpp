#include "locale_dates/c_library_dates_qt.h"

#include "locale_dates/lower_case_qt.h"

#include <QLocale>
#include <QString>

#include <langinfo.h>
#include <locale.h>

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The format an era's years are written in (%EY), the last of the fields of
// the locale's first era ("+:2:2020/01/01:+*:令和:%EC%Ey年").
std::string_view eraYearFormat(locale_t in)
{
    std::string_view era = nl_langinfo_l(ERA, in);
    era = era.substr(0, era.find(';'));
    const auto last = era.rfind(':');
    return last == std::string_view::npos ? std::string_view() : era.substr(last + 1);
}

// What the C library writes where a locale leaves a format empty.
const char *orDefault(nl_item item, locale_t in)
{
    const char *format = nl_langinfo_l(item, in);
    if (*format || item == ERA_D_FMT || item == ERA_D_T_FMT)
        return format;
    switch (item) {
    case D_T_FMT: return "%a %b %e %H:%M:%S %Y";
    case D_FMT: return "%m/%d/%y";
    case T_FMT: return "%H:%M:%S";
    case T_FMT_AMPM: return "%I:%M:%S %p";
    default: return format;
    }
}

// A strftime format as a picture (calc/format_pictures.h), its words quoted
// once, however many of the locale's formats it holds (%c, %x, %r...).
class picture_of {
public:
    picture_of(std::string_view format, locale_t in)
        : in(in)
        , whole(read(format))
    {
        endWords();
    }

    // Nothing where the format holds a field that no picture writes.
    std::optional<std::string> picture() const
    {
        return whole && !text.empty() ? std::optional(text) : std::nullopt;
    }

private:
    void endWords()
    {
        if (!words.empty())
            text += '\'' + words + '\'';
        words.clear();
    }

    void field(std::string_view letters)
    {
        endWords();
        text += letters;
    }

    bool read(std::string_view format)
    {
        for (std::size_t i = 0; i < format.size(); ++i) {
            if (format[i] != '%') {
                words += format[i] == '\'' ? "''" : std::string(1, format[i]);
                continue;
            }
            // Flags and widths change only padding, O only the digits; E asks for the era's fields.
            bool era = false;
            while (++i < format.size() && std::strchr("-_0^#EO123456789", format[i]))
                era = era || format[i] == 'E';
            if (i == format.size() || !conversion(format[i], era))
                return false;
        }
        return true;
    }

    bool conversion(char c, bool era)
    {
        switch (c) {
        case 'a': field("ddd"); return true;
        case 'A': field("dddd"); return true;
        case 'b':
        case 'h': field("MMM"); return true;
        case 'B': field("MMMM"); return true;
        case 'd':
        case 'e': field("d"); return true;
        case 'm': field("M"); return true;
        case 'y': field(era ? "y" : "yy"); return true;
        case 'Y':
            if (!era) {
                field("yyyy");
                return true;
            }
            return read(eraYearFormat(in));
        case 'C': field("gg"); return era; // %EC, the era's name; not the century
        case 'H':
        case 'k': field("H"); return true;
        case 'I':
        case 'l': field("h"); return true;
        case 'M': field("mm"); return true;
        case 'S': field("ss"); return true;
        case 'p':
        case 'P': field("tt"); return true;
        case 'Z':
        case 'z': field("z"); return true;
        case 'n':
        case 't': words += ' '; return true;
        case '%': words += '%'; return true;
        case 'c': return read(orDefault(D_T_FMT, in));
        case 'x': return read(orDefault(D_FMT, in));
        case 'X': return read(orDefault(T_FMT, in));
        case 'r': return read(orDefault(T_FMT_AMPM, in));
        case 'T': return read("%H:%M:%S");
        case 'R': return read("%H:%M");
        case 'D': return read("%m/%d/%y");
        case 'F': return read("%Y-%m-%d");
        default: return false; // the week's number, the day of the year...
        }
    }

    locale_t in;
    std::string text, words;
    bool whole;
};

} // namespace

void addCLibraryDates(calc::locale_vocabulary &vocabulary, const QLocale &locale, bool system)
{
    const QByteArray name = locale.name().toLatin1() + ".UTF-8";
    const locale_t in = system ? duplocale(LC_GLOBAL_LOCALE) : newlocale(LC_TIME_MASK, name.constData(), nullptr);
    if (!in)
        return;
    const auto text = [&](nl_item item) { return lowerCasedForDates(QString::fromUtf8(nl_langinfo_l(item, in)), locale); };
    const auto add = [&](std::vector<std::string> &to, nl_item item) {
        if (const auto picture = picture_of(orDefault(item, in), in).picture())
            to.push_back(*picture);
    };
    // D_FMT and the date command's _DATE_FMT, with the time between the day and the year, among them.
    for (const nl_item format : {D_FMT, D_T_FMT, _DATE_FMT, ERA_D_FMT, ERA_D_T_FMT})
        add(vocabulary.formats, format);
    for (const nl_item format : {T_FMT, T_FMT_AMPM})
        add(vocabulary.time_formats, format);
    for (std::size_t i = 0; i < vocabulary.months.size(); ++i) {
        const int n = static_cast<int>(i);
        for (const nl_item item : {ABMON_1 + n, MON_1 + n, ALTMON_1 + n, _NL_ABALTMON_1 + n})
            vocabulary.months[i].push_back(text(item));
    }
    for (std::size_t i = 0; i < vocabulary.weekdays.size(); ++i) { // Sunday first, as calc counts
        const int n = static_cast<int>(i);
        for (const nl_item item : {ABDAY_1 + n, DAY_1 + n})
            vocabulary.weekdays[i].push_back(text(item));
    }
    for (const nl_item item : {AM_STR, PM_STR})
        vocabulary.day_periods.push_back(text(item));
    freelocale(in);
}
