// fonts.cpp -- a bold sans-serif font as fontconfig's fc-match picks it, started without a shell
#include "platform/fonts.h"

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "platform/filekind.h"
#include "spawn.h"

extern char **environ;

// fc-match answers at once from its cache; one that takes longer hangs, and the program would stand
// still with it before its window opens.
constexpr int answerLimitMs = 2000;

bool systemBoldSansFont(char *path, size_t size)
{
    // Only scalable faces: a bitmap font would give the menu one size for every text.
    char *const argv[] = {const_cast<char *>("fc-match"), const_cast<char *>("--format=%{file}"),
                          const_cast<char *>("sans-serif:bold:scalable=true"), nullptr};
    // A path is short; anything much longer is not an answer worth keeping.
    std::string answer;
    int status = runReading(argv, environ, 1, 8192, false, &answer, answerLimitMs);
    while (!answer.empty() && (answer.back() == '\n' || answer.back() == ' ')) answer.pop_back();
    char reason[64] = "";
    bool found = false;
    if (status == helperCutOff)
        snprintf(path, size, "fc-match gave no answer within %d seconds", answerLimitMs / 1000);
    else if (status < 0)
        snprintf(path, size, "fc-match could not be started");
    else if (WIFSIGNALED(status))
        snprintf(path, size, "fc-match was ended by signal %d", WTERMSIG(status));
    else if (WEXITSTATUS(status) != 0)
        snprintf(path, size, "fc-match failed with exit code %d", WEXITSTATUS(status));
    else if (answer.empty())
        snprintf(path, size, "fc-match answered nothing");
    else if (answer.size() >= size)
        snprintf(path, size, "fc-match answered a path of %zu bytes", answer.size());
    else if (!isRegularFile(answer.c_str(), reason, sizeof reason))
        snprintf(path, size, "fc-match answered \"%s\": %s", answer.c_str(), reason);
    else
        found = snprintf(path, size, "%s", answer.c_str()) > 0;
    return found;
}
