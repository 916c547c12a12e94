// charset.h -- the program's texts are single-byte Windows-1250; these turn them into Unicode
#pragma once

#include <string>

// The Unicode code point Windows-1250 assigns to a byte; 0 for the five bytes it leaves undefined.
unsigned windows1250CodePoint(unsigned char byte);
// The text as UTF-8, for the desktop's dialogs and for tests; undefined bytes are left out.
std::string windows1250ToUtf8(const char *text);
