#pragma once

#include <string>
#include <string_view>

class QLocale;
class QString;

// A text as calc is given the locale's names, to fold: in the locale's own
// lower case ("EKİM" is "ekim" in Turkish) and decomposed, in UTF-8.
std::string lowerCasedForDates(const QString &text, const QLocale &locale);
std::string lowerCasedForDates(std::u16string_view text, const QLocale &locale);
