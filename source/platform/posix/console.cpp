// console.cpp -- arguments, output and whether standard input is a terminal, on POSIX
#include "platform/console.h"

#include <unistd.h>

#include <cstdio>

bool standardInputIsTerminal() { return isatty(STDIN_FILENO) == 1; }

bool startedFromDesktop() { return !standardInputIsTerminal(); }

std::vector<std::string> commandLineArguments(int argc, char **argv) { return std::vector<std::string>(argv, argv + argc); }

bool writeStandardOutput(const std::string &text)
{
    return fwrite(text.data(), 1, text.size(), stdout) == text.size() && fflush(stdout) == 0;
}
