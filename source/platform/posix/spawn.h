// spawn.h -- starting a program found on the path, without a shell, and reading what it writes
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

// runReading's result when the helper was ended before it finished: its time was up, or the program was
// told to stop.
constexpr int helperCutOff = -2;

// Runs argv[0], found on the path, with the environment envp in a process group of its own and nothing on
// its standard input, and waits until it ends. What it writes to `stream` (1: standard output, 2: standard error) is read as it comes: the first
// `keep` bytes land in *said and, with `echo`, are passed on to our own standard error; after that nothing
// more is read, so a helper that floods its output meets a closed pipe rather than filling a log or the
// memory. While its standard output is read, what it says on standard error is thrown away.
//
// The helper is ended, with every process it started, when limitMs milliseconds have passed (0: no limit)
// or when the program is told to stop (SIGTERM or SIGINT) meanwhile; that signal is then passed on to the
// program's own handling, so that the program ends as it would have without the helper. Processes the
// helper leaves behind when it ends by itself are ended too, so that none keeps the pipe open.
//
// Returns the status as waitpid gives it, helperCutOff when the helper was ended, or -1 when it could not
// be started (also when it is not on the path).
int runReading(char *const argv[], char *const envp[], int stream, size_t keep, bool echo, std::string *said,
               int limitMs = 0);

// Waits for the child to end, through interruptions; its status, or -1.
int waitForChild(pid_t pid);
