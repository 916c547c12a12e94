// signals.h -- the process's signal handlers, noted before a game module runs and put back when it ends
#pragma once

// Notes how every signal is handled now (and, on POSIX, which signals the thread blocks).
void keepSignalHandlers();
// Puts back the handling of every signal changed since keepSignalHandlers, so that no handler is left
// pointing into a library that is gone; returns how many were changed.
int restoreSignalHandlers();
