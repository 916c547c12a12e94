// console.cpp -- whether standard input is a terminal, on POSIX
#include "platform/console.h"

#include <unistd.h>

bool standardInputIsTerminal() { return isatty(STDIN_FILENO) == 1; }
