// wide.h -- UTF-8 texts to and from Windows' wide characters, for the backends' wide calls
#pragma once

#include <string>

// Empty when the text is not valid UTF-8 (or not valid UTF-16 the other way), so that a bad name finds
// nothing rather than a file the system spells differently.
std::wstring utf16FromUtf8(const char *text);
std::string utf8FromUtf16(const wchar_t *text, size_t length);
