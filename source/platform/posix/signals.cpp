// signals.cpp -- every signal's sigaction and the thread's signal mask, kept and put back
#include "platform/signals.h"

#include <signal.h>

#include <array>

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
struct KeptSignal {
    bool known = false;  // false for the numbers sigaction refuses (SIGKILL, SIGSTOP, the C library's own)
    struct sigaction action {};
};
static std::array<KeptSignal, NSIG> keptSignals;
static sigset_t keptMask;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
static bool sameHandling(const struct sigaction &a, const struct sigaction &b)
{
    // With SA_SIGINFO the handler lies in sa_sigaction, which shares its place with sa_handler.
    return a.sa_handler == b.sa_handler && a.sa_flags == b.sa_flags;
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void keepSignalHandlers()
{
    for (int signal = 1; signal < NSIG; ++signal)
        keptSignals[signal].known = sigaction(signal, nullptr, &keptSignals[signal].action) == 0;
    pthread_sigmask(SIG_SETMASK, nullptr, &keptMask);
}

int restoreSignalHandlers()
{
    int changed = 0;
    for (int signal = 1; signal < NSIG; ++signal) {
        KeptSignal &kept = keptSignals[signal];
        struct sigaction now {};
        if (!kept.known || sigaction(signal, nullptr, &now) != 0 || sameHandling(now, kept.action)) continue;
        sigaction(signal, &kept.action, nullptr);
        changed++;
    }
    pthread_sigmask(SIG_SETMASK, &keptMask, nullptr);
    return changed;
}
