#include "ui/main_window/relative_days_qt.h"

#include "ui/main_window/locale_vocabulary_qt.h"

#include <QLocale>
#include <QString>

#include <unicode/reldatefmt.h>

#include <utility>

void addRelativeDays(calc::locale_vocabulary &vocabulary, const QLocale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::RelativeDateTimeFormatter format(icu::Locale(locale.name().toLatin1().constData()), status);
    if (U_FAILURE(status))
        return;
    const std::pair<UDateDirection, UDateAbsoluteUnit> words[] = {
        {UDAT_DIRECTION_LAST_2, UDAT_ABSOLUTE_DAY}, {UDAT_DIRECTION_LAST, UDAT_ABSOLUTE_DAY},
        {UDAT_DIRECTION_THIS, UDAT_ABSOLUTE_DAY},   {UDAT_DIRECTION_NEXT, UDAT_ABSOLUTE_DAY},
        {UDAT_DIRECTION_NEXT_2, UDAT_ABSOLUTE_DAY}, {UDAT_DIRECTION_PLAIN, UDAT_ABSOLUTE_NOW}};
    for (int offset = -2; const auto &[direction, unit] : words) {
        icu::UnicodeString word;
        UErrorCode written = U_ZERO_ERROR;
        format.format(direction, unit, word, written);
        if (U_SUCCESS(written) && !word.isEmpty())
            vocabulary.relative_days.emplace_back(
                lowerCasedForDates(QString::fromUtf16(word.getBuffer(), word.length()), locale),
                unit == UDAT_ABSOLUTE_NOW ? 0 : offset);
        ++offset;
    }
}
