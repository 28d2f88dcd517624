#include "locale_dates/available_formats_qt.h"

#include "locale_dates/icu_data_qt.h"
#include "locale_dates/icu_pictures_qt.h"

#include <QLocale>

#include <string>
#include <vector>

void addAvailableFormats(calc::locale_vocabulary &vocabulary, const QLocale &locale)
{
    const icu::Locale in(locale.name().toLatin1().constData());
    // Md first: it decides the order of digits without their year.
    const struct {
        const char *skeleton;
        std::vector<std::string> &to;
    } forms[] = {{"yMEd", vocabulary.formats},
                 {"yMMMEd", vocabulary.formats},
                 {"Md", vocabulary.formats_without_year},
                 {"MEd", vocabulary.formats_without_year},
                 {"MMMd", vocabulary.formats_without_year},
                 {"MMMEd", vocabulary.formats_without_year},
                 {"MMMMd", vocabulary.formats_without_year},
                 {"H", vocabulary.time_formats},
                 {"Hm", vocabulary.time_formats},
                 {"Hms", vocabulary.time_formats},
                 {"h", vocabulary.time_formats},
                 {"hm", vocabulary.time_formats},
                 {"hms", vocabulary.time_formats}};
    // Only the language's own: the root's are ISO's, which every locale reads anyway.
    for (const auto &[skeleton, to] : forms) {
        UErrorCode status = U_ZERO_ERROR;
        const icu::ResourceBundle form = icuData(nullptr, in, {"calendar", "gregorian", "availableFormats", skeleton}, status);
        if (U_SUCCESS(status) && status != U_USING_DEFAULT_WARNING)
            if (const QString pattern = fromIcu(form.getString(status)); U_SUCCESS(status) && !pattern.isEmpty())
                to.push_back(pictureOf(pattern));
    }
}
