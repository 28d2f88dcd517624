#include "locale_dates/relative_days_qt.h"

#include "locale_dates/icu_data_qt.h"
#include "locale_dates/lower_case_qt.h"

#include <QLocale>
#include <QString>

void addRelativeDays(calc::locale_vocabulary &vocabulary, const QLocale &locale)
{
    icu::Locale in(locale.name().toLatin1().constData());
    UErrorCode likely = U_ZERO_ERROR;
    in.addLikelySubtags(likely); // "zh_TW" is "zh_Hant_TW"
    const struct {
        const char *field, *key;
        int offset;
    } words[] = {{"day", "-2", -2}, {"day", "-1", -1}, {"day", "0", 0}, {"day", "1", 1}, {"day", "2", 2},
                 {"second", "0", 0}};
    // CLDR's fields/<field>/relative/<key>: only the words a language has, never the root's.
    for (const auto &[field, key, offset] : words) {
        UErrorCode status = U_ZERO_ERROR;
        const icu::ResourceBundle word = icuData(nullptr, in, {"fields", field, "relative", key}, status);
        if (U_SUCCESS(status) && status != U_USING_DEFAULT_WARNING)
            if (const QString text = fromIcu(word.getString(status)); U_SUCCESS(status) && !text.isEmpty())
                vocabulary.relative_days.emplace_back(lowerCasedForDates(text, locale), offset);
    }
}
