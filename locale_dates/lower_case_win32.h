#pragma once

#include <string>
#include <string_view>

// A text as calc is given the locale's names, to fold: in the user's locale's
// own lower case and decomposed, in UTF-8.
std::string lowerCasedForDates(std::wstring_view text);
