// fonts.cpp -- a bold sans-serif font as fontconfig's fc-match picks it, started without a shell
#include "platform/fonts.h"

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "platform/filekind.h"
#include "spawn.h"

extern char **environ;

bool systemBoldSansFont(char *path, size_t size)
{
    // Only scalable faces: a bitmap font would give the menu one size for every text.
    char *const argv[] = {const_cast<char *>("fc-match"), const_cast<char *>("--format=%{file}"),
                          const_cast<char *>("sans-serif:bold:scalable=true"), nullptr};
    // A path is short; anything much longer is not an answer worth keeping.
    std::string answer;
    int status = runReading(argv, environ, 1, 8192, false, &answer);
    if (status < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
    while (!answer.empty() && (answer.back() == '\n' || answer.back() == ' ')) answer.pop_back();
    char reason[64];
    if (answer.empty() || answer.size() >= size || !isRegularFile(answer.c_str(), reason, sizeof reason)) return false;
    snprintf(path, size, "%s", answer.c_str());
    return true;
}
