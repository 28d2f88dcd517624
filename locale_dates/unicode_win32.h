#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <string_view>

// Windows' text calls are made twice: once to learn the size of the result,
// then to write it; `write(out, size)` makes the call. Empty on failure.
template <typename Text, typename Write>
Text textOfCall(Write write)
{
    Text result(static_cast<std::size_t>(std::max(write(nullptr, 0), 0)), {});
    result.resize(static_cast<std::size_t>(std::max(write(result.data(), static_cast<int>(result.size())), 0)));
    return result;
}

// Between the UTF-8 of the program's own texts and Windows' wide UTF-16.

inline std::wstring utf16(std::string_view text)
{
    return textOfCall<std::wstring>([text](wchar_t *out, int size) {
        return MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out, size);
    });
}

inline std::string utf8(std::wstring_view text)
{
    return textOfCall<std::string>([text](char *out, int size) {
        return WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out, size, nullptr,
                                   nullptr);
    });
}
