#include "locale_dates/icu_data_qt.h"

QString fromIcu(const icu::UnicodeString &text)
{
    return QString::fromUtf16(text.getBuffer(), text.length());
}

icu::ResourceBundle icuData(const char *package, const icu::Locale &locale, std::initializer_list<const char *> path,
                            UErrorCode &status)
{
    icu::ResourceBundle found(package, locale, status);
    // Each step says where it found its key, and a later one may say less.
    bool byDefault = status == U_USING_DEFAULT_WARNING;
    for (const char *key : path) {
        found = found.getWithFallback(key, status);
        byDefault = byDefault || status == U_USING_DEFAULT_WARNING;
    }
    if (byDefault && U_SUCCESS(status))
        status = U_USING_DEFAULT_WARNING;
    return found;
}
