#include "ui/main_window/relative_days_qt.h"

#include "ui/main_window/locale_vocabulary_qt.h"

#include <QLocale>
#include <QString>

#include <unicode/putil.h>
#include <unicode/uloc.h>
#include <unicode/ures.h>

#include <string>

namespace {

// CLDR's fields/<field>/relative/<key> in the locale or its nearest parent, as
// ICU falls back; empty where only the root has one. Read from ICU's data
// directly: its relative date formatter brings number formats and plural
// rules with it, some 2 MiB of memory the window would hold for six words.
QString relativeWord(const char *locale, const char *field, const char *key)
{
    char name[ULOC_FULLNAME_CAPACITY];
    UErrorCode status = U_ZERO_ERROR;
    uloc_addLikelySubtags(locale, name, sizeof name, &status); // "zh_TW" is "zh_Hant_TW"
    while (U_SUCCESS(status) && *name && std::string(name) != "root") {
        UErrorCode found = U_ZERO_ERROR;
        const icu::LocalUResourceBundlePointer bundle(ures_openDirect(nullptr, name, &found));
        const icu::LocalUResourceBundlePointer fields(ures_getByKey(bundle.getAlias(), "fields", nullptr, &found));
        const icu::LocalUResourceBundlePointer unit(ures_getByKey(fields.getAlias(), field, nullptr, &found));
        const icu::LocalUResourceBundlePointer relative(ures_getByKey(unit.getAlias(), "relative", nullptr, &found));
        int32_t length = 0;
        const UChar *word = ures_getStringByKey(relative.getAlias(), key, &length, &found);
        if (U_SUCCESS(found))
            return QString::fromUtf16(word, length);
        // The parent ICU's data names, where it names one ("es_419" for "es_SV"), or the root.
        UErrorCode named = U_ZERO_ERROR, root = U_ZERO_ERROR;
        const UChar *parent = ures_getStringByKey(bundle.getAlias(), "%%Parent", &length, &named);
        const icu::LocalUResourceBundlePointer toRoot(ures_getByKey(bundle.getAlias(), "%%ParentIsRoot", nullptr, &root));
        if (U_SUCCESS(named) && length < ULOC_FULLNAME_CAPACITY)
            u_UCharsToChars(parent, name, length + 1);
        else if (U_SUCCESS(root))
            break;
        else
            uloc_getParent(std::string(name).c_str(), name, sizeof name, &status);
    }
    return {};
}

} // namespace

void addRelativeDays(calc::locale_vocabulary &vocabulary, const QLocale &locale)
{
    const QByteArray name = locale.name().toLatin1();
    const struct {
        const char *field, *key;
        int offset;
    } words[] = {{"day", "-2", -2}, {"day", "-1", -1}, {"day", "0", 0}, {"day", "1", 1}, {"day", "2", 2},
                 {"second", "0", 0}};
    for (const auto &[field, key, offset] : words)
        if (const QString word = relativeWord(name.constData(), field, key); !word.isEmpty())
            vocabulary.relative_days.emplace_back(lowerCasedForDates(word, locale), offset);
}
