// spawn.cpp -- a program started with posix_spawnp, one of its streams read through a pipe, within limits
#include "spawn.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>

// ----------------------------------------------------------------------------------------------------
// Defines and state
// ----------------------------------------------------------------------------------------------------
// The signals that ask the program to stop, watched while a helper runs.
constexpr std::array<int, 2> stopSignals = {SIGTERM, SIGINT};
// How often the wait looks at the clock and at the signals: a signal may reach another thread (SDL's
// audio thread) and then wakes nothing here.
constexpr int tickMs = 100;

static volatile sig_atomic_t stopRequested = 0;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
static void noteStop(int signal) { stopRequested = signal; }

// The stop signals are noted rather than handled while a helper runs, and handed back afterwards.
struct StopWatch {
    std::array<struct sigaction, stopSignals.size()> previous{};
    StopWatch()
    {
        stopRequested = 0;
        struct sigaction watch {};
        watch.sa_handler = noteStop;
        sigemptyset(&watch.sa_mask);
        for (size_t i = 0; i < stopSignals.size(); ++i) sigaction(stopSignals[i], &watch, &previous[i]);
    }
    ~StopWatch()
    {
        for (size_t i = 0; i < stopSignals.size(); ++i) sigaction(stopSignals[i], &previous[i], nullptr);
        // Now the program's own handling takes it: SDL's turns it into a quit, the default ends the program.
        if (stopRequested) raise(stopRequested);
    }
    StopWatch(const StopWatch &) = delete;
    StopWatch &operator=(const StopWatch &) = delete;
};

// Takes what the pipe holds now, up to what is still wanted; false once there is nothing more to read:
// the end of the output, or enough of it.
static bool takeOutput(int fd, size_t keep, bool echo, std::string *said)
{
    char chunk[1024];
    while (said->size() < keep) {
        ssize_t got = read(fd, chunk, std::min(sizeof chunk, keep - said->size()));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && errno == EAGAIN) return true;
        if (got <= 0) return false;
        if (echo) fwrite(chunk, 1, static_cast<size_t>(got), stderr);
        said->append(chunk, static_cast<size_t>(got));
    }
    return false;
}

static pid_t startHelper(char *const argv[], char *const envp[], int stream, int writeEnd)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Nothing to read: a helper that asked the terminal would wait for an answer no one gives.
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, writeEnd, stream);
    if (stream == 1) posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    // A group of its own, so that it can be ended with whatever it starts; the stop signals and a closed
    // pipe act on it as on any program, whatever this one does with them.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults, none;
    sigemptyset(&defaults);
    for (int signal : stopSignals) sigaddset(&defaults, signal);
    sigaddset(&defaults, SIGPIPE);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, &attributes, argv, envp) != 0) pid = -1;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
int waitForChild(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return status;
}

int runReading(char *const argv[], char *const envp[], int stream, size_t keep, bool echo, std::string *said,
               int limitMs)
{
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) return -1;
    StopWatch watch;
    pid_t pid = startHelper(argv, envp, stream, pipeEnds[1]);
    close(pipeEnds[1]);
    if (pid < 0) {
        close(pipeEnds[0]);
        return -1;
    }
    int output = pipeEnds[0];
    fcntl(output, F_SETFL, O_NONBLOCK);
    // Once nothing more is wanted the pipe is closed, so that a helper that goes on writing is not left
    // waiting for a reader.
    auto stopReading = [&output] {
        if (output >= 0) close(output);
        output = -1;
    };

    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    bool cutOff = false;
    int status = -1;
    for (;;) {
        if (stopRequested || (limitMs > 0 && std::chrono::steady_clock::now() >= deadline)) {
            cutOff = true;
            break;
        }
        pollfd waiting{output, POLLIN, 0};
        poll(&waiting, output >= 0 ? 1 : 0, tickMs);
        if (output >= 0 && !takeOutput(output, keep, echo, said)) stopReading();
        pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid) {
            // What it wrote before it ended is in the pipe; a child of its own may keep the pipe open, so
            // nothing waits for the pipe's end.
            if (output >= 0) takeOutput(output, keep, echo, said);
            break;
        }
        if (ended < 0 && errno != EINTR) break;
    }
    stopReading();
    kill(-pid, SIGKILL);
    if (cutOff) waitForChild(pid);
    return cutOff ? helperCutOff : status;
}
