// console.h -- what a command-line tool needs of its console: its arguments, its output, and whether it can
// ask the person at the keyboard
#pragma once

#include <string>
#include <vector>

// True when standard input is an interactive terminal or console; false for a file, a pipe or the null
// device (which Windows' C library counts as a terminal).
bool standardInputIsTerminal();

// True when no terminal stays open after the program to show what it wrote: started from the desktop's
// menu, with standard input no terminal (POSIX) or with a console made for it alone (Windows).
bool startedFromDesktop();

// The program's arguments in UTF-8, the program's name first: on Windows read again from the wide command
// line, so that a file name the ANSI code page cannot spell arrives whole.
std::vector<std::string> commandLineArguments(int argc, char **argv);

// Writes UTF-8 text to standard output: to a Windows console as wide characters, so that the letters come
// out whatever its code page; anywhere else byte for byte. False when it could not be written.
bool writeStandardOutput(const std::string &text);
