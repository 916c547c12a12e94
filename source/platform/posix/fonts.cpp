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
    // Numbers are put in with snprintf: std::to_string would make the games that share this file
    // libraries that can never be unloaded (its digit table is a unique symbol).
    char said[160] = "";
    if (status == helperCutOff)
        snprintf(said, sizeof said, "fc-match gave no answer within %d seconds", answerLimitMs / 1000);
    else if (status < 0)
        snprintf(said, sizeof said, "fc-match could not be started");
    else if (WIFSIGNALED(status))
        snprintf(said, sizeof said, "fc-match was ended by signal %d", WTERMSIG(status));
    else if (WEXITSTATUS(status) != 0)
        snprintf(said, sizeof said, "fc-match failed with exit code %d", WEXITSTATUS(status));
    else if (answer.empty())
        snprintf(said, sizeof said, "fc-match answered nothing");
    else if (answer.size() < size && isRegularFile(answer.c_str(), reason, sizeof reason))
        return snprintf(path, size, "%s", answer.c_str()) > 0;
    std::string text = said[0] ? std::string(said)
                               : "fc-match answered \"" + answer + "\"" + (reason[0] ? std::string(": ") + reason : "");
    // Said in full or, where that does not fit, without the path.
    if (text.size() >= size) {
        snprintf(said, sizeof said, "fc-match answered a path of %zu bytes", answer.size());
        text = said;
    }
    snprintf(path, size, "%s", text.c_str());
    return false;
}
