// signals.cpp -- the C library's signal handlers, kept and put back (Windows has no sigaction)
#include "platform/signals.h"

#include <array>
#include <csignal>

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
using Handler = void (*)(int);

// The signals the Windows C library knows.
static constexpr std::array<int, 7> signalNumbers = {SIGINT, SIGILL, SIGFPE, SIGSEGV, SIGTERM, SIGBREAK, SIGABRT};
static std::array<Handler, signalNumbers.size()> keptHandlers{};

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void keepSignalHandlers()
{
    // The C library tells a handler only by setting another in its place.
    for (size_t i = 0; i < signalNumbers.size(); ++i) {
        keptHandlers[i] = signal(signalNumbers[i], SIG_DFL);
        signal(signalNumbers[i], keptHandlers[i]);
    }
}

int restoreSignalHandlers()
{
    int changed = 0;
    for (size_t i = 0; i < signalNumbers.size(); ++i) {
        if (keptHandlers[i] == SIG_ERR) continue;
        if (signal(signalNumbers[i], keptHandlers[i]) != keptHandlers[i]) changed++;
    }
    return changed;
}
