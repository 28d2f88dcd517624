#include "locale_dates/icu_pictures_qt.h"

#include "locale_dates/icu_data_qt.h"

#include <unicode/timezone.h>

#include <algorithm>

std::string pictureOf(const QString &pattern)
{
    using index = decltype(pattern.size());
    QString picture;
    // A field of up to `most` letters, as long as ICU's run.
    const auto field = [&](char letter, index run, index most) {
        picture += QString(std::min(run, most), QLatin1Char(letter));
    };
    for (index i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        index run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        switch (c.unicode()) {
        case '\'': { // quoted as in the pictures: copied, up to the closing quote
            const index end = pattern.indexOf(QLatin1Char('\''), i + 1);
            run = (end < 0 ? pattern.size() : end + 1) - i;
            picture += pattern.mid(i, run);
            break;
        }
        case 'G': picture += QLatin1String("gg"); break;
        case 'y': picture += run == 2 ? QLatin1String("yy") : QLatin1String("yyyy"); break;
        case 'M':
        case 'L': field('M', run, 4); break;
        case 'd': field('d', run, 2); break;
        case 'E':
        case 'c': picture += QLatin1String("dddd"); break;
        case 'H':
        case 'k': field('H', run, 2); break;
        case 'h':
        case 'K': field('h', run, 2); break;
        case 'm': field('m', run, 2); break;
        case 's': field('s', run, 2); break;
        case 'a':
        case 'b':
        case 'B': picture += QLatin1String("tt"); break;
        case 'z':
        case 'Z':
        case 'O':
        case 'v':
        case 'V':
        case 'X':
        case 'x': picture += QLatin1Char('z'); break;
        default:
            if (c.isLetter() && c.unicode() < 128) // no other field belongs in a date or a time
                picture += QLatin1Char('\'') + pattern.mid(i, run) + QLatin1Char('\'');
            else
                picture += pattern.mid(i, run);
        }
        i += run;
    }
    return picture.toStdString();
}

QString icuText(icu::DateFormat &format, int day, icu::FieldPosition *field)
{
    format.adoptTimeZone(icu::TimeZone::createTimeZone("UTC"));
    icu::UnicodeString text;
    icu::FieldPosition none;
    format.format(static_cast<UDate>(day) * U_MILLIS_PER_DAY, text, field ? *field : none);
    return fromIcu(text);
}
