// console.h -- whether a command-line tool can ask the person at the keyboard
#pragma once

// True when standard input is an interactive terminal or console; false for a file, a pipe or the null
// device (which Windows' C library counts as a terminal).
bool standardInputIsTerminal();
