#pragma once

#include <QString>

#include <unicode/locid.h>
#include <unicode/resbund.h>
#include <unicode/unistr.h>

#include <initializer_list>

// ICU's locale data, read directly: ICU's formatters would bring megabytes of
// calendars, number formats and plural rules at start for a few words.

QString fromIcu(const icu::UnicodeString &text);

// What `path` holds in ICU's data for `locale`, or in its nearest parent that
// has it, as ICU falls back. `package` is nullptr for the locales' own data,
// or another of ICU's trees (U_ICUDATA_NAME "-zone"). A failure is in
// `status`, and U_USING_DEFAULT_WARNING where only the root has it, or the
// default locale that ICU takes for a locale it lacks: no language's own.
icu::ResourceBundle icuData(const char *package, const icu::Locale &locale, std::initializer_list<const char *> path,
                            UErrorCode &status);

// Each string of a table or an array of ICU's data.
template <typename Each>
void forEachString(const icu::ResourceBundle &of, Each &&each)
{
    for (int32_t i = 0; i < of.getSize(); ++i) {
        UErrorCode status = U_ZERO_ERROR;
        const icu::UnicodeString text = of.getStringEx(i, status);
        if (U_SUCCESS(status))
            each(fromIcu(text));
    }
}
