// fonts.cpp -- a bold sans-serif font as fontconfig's fc-match picks it, started without a shell
#include "platform/fonts.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/filekind.h"

extern char **environ;

bool systemBoldSansFont(char *path, size_t size)
{
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) return false;

    // Only scalable faces: a bitmap font would give the menu one size for every text.
    char *const argv[] = {const_cast<char *>("fc-match"), const_cast<char *>("--format=%{file}"),
                          const_cast<char *>("sans-serif:bold:scalable=true"), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);

    std::string answer;
    if (!failed) {
        char chunk[512];
        ssize_t got = 0;
        // A path is short; anything much longer is not an answer worth reading to its end.
        while (answer.size() < 8192 && ((got = read(pipeEnds[0], chunk, sizeof chunk)) > 0 || (got < 0 && errno == EINTR))) {
            if (got > 0) answer.append(chunk, static_cast<size_t>(got));
        }
    }
    close(pipeEnds[0]);
    if (failed) return false;

    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
    while (!answer.empty() && (answer.back() == '\n' || answer.back() == ' ')) answer.pop_back();
    char reason[64];
    if (answer.empty() || answer.size() >= size || !isRegularFile(answer.c_str(), reason, sizeof reason)) return false;
    snprintf(path, size, "%s", answer.c_str());
    return true;
}
