// spawn.h -- starting a program found on the path, without a shell, and reading what it writes
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

// Runs argv[0], found on the path, with the environment envp and waits until it ends. What it writes to
// `stream` (1: standard output, 2: standard error) is read as it comes: the first `keep` bytes land in
// *said, and with `echo` all of it is passed on to our own standard error. While its standard output is
// read, what it says on standard error is thrown away. Returns the status as waitpid gives it, or -1 when
// the program could not be started (also when it is not on the path).
int runReading(char *const argv[], char *const envp[], int stream, size_t keep, bool echo, std::string *said);

// Waits for the child to end, through interruptions; its status, or -1.
int waitForChild(pid_t pid);
