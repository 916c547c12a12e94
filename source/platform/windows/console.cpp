// console.cpp -- arguments, output and whether standard input is a console, on Windows
#include "platform/console.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "wide.h"

// Only a console has a console mode; _isatty would also say yes for the NUL device and serial ports.
bool standardInputIsTerminal()
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

bool startedFromDesktop()
{
    // A console program started from a shortcut gets a console of its own, which closes when it ends;
    // one started from a console shares it with that console's shell.
    DWORD processes[2];
    return GetConsoleProcessList(processes, 2) <= 1;
}

std::vector<std::string> commandLineArguments(int argc, char **argv)
{
    int count = 0;
    LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(utf8FromUtf16(wide[i]));
    LocalFree(wide);
    return arguments;
}

bool writeStandardOutput(const std::string &text)
{
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(output, &mode))
        return fwrite(text.data(), 1, text.size(), stdout) == text.size() && fflush(stdout) == 0;
    std::wstring wide = utf16FromUtf8(text.c_str());
    for (size_t done = 0; done < wide.size();) {
        DWORD written = 0, chunk = static_cast<DWORD>(wide.size() - done > 8192 ? 8192 : wide.size() - done);
        if (!WriteConsoleW(output, wide.c_str() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}
