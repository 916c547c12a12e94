// wide.cpp -- UTF-8 texts to and from Windows' wide characters
#include "wide.h"

#include <windows.h>

std::wstring utf16FromUtf8(const char *text)
{
    if (!text || !*text) return std::wstring();
    int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));  // the terminator the count included
    return wide;
}

std::string utf8FromUtf16(const wchar_t *text, size_t length)
{
    if (length == 0) return std::string();
    int bytes = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text, static_cast<int>(length), nullptr, 0,
                                    nullptr, nullptr);
    if (bytes <= 0) return std::string();
    std::string narrow(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text, static_cast<int>(length), narrow.data(), bytes, nullptr,
                        nullptr);
    return narrow;
}
