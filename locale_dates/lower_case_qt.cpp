#include "locale_dates/lower_case_qt.h"

#include <QLocale>
#include <QString>

std::string lowerCasedForDates(const QString &text, const QLocale &locale)
{
    // Case folding after the locale's lower case makes Greek's final sigma the plain one; the
    // compatibility decomposition makes full-width forms plain ("２００４／３／１５").
    return locale.toLower(text).toCaseFolded().normalized(QString::NormalizationForm_KD).toStdString();
}

std::string lowerCasedForDates(std::u16string_view text, const QLocale &locale)
{
    return lowerCasedForDates(QString::fromUtf16(text.data(), static_cast<int>(text.size())), locale);
}
