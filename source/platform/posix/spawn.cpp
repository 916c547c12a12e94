// spawn.cpp -- a program started with posix_spawnp, one of its streams read through a pipe
#include "spawn.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

int waitForChild(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return status;
}

int runReading(char *const argv[], char *const envp[], int stream, size_t keep, bool echo, std::string *said)
{
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], stream);
    if (stream == 1) posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv, envp);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);

    char chunk[1024];
    ssize_t got = 0;
    while (!failed && ((got = read(pipeEnds[0], chunk, sizeof chunk)) > 0 || (got < 0 && errno == EINTR))) {
        if (got <= 0) continue;
        if (echo) fwrite(chunk, 1, static_cast<size_t>(got), stderr);
        if (said->size() < keep) said->append(chunk, std::min(static_cast<size_t>(got), keep - said->size()));
    }
    close(pipeEnds[0]);
    return failed ? -1 : waitForChild(pid);
}
