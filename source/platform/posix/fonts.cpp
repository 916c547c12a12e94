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
    std::string said;
    if (status == helperCutOff)
        said = "fc-match gave no answer within " + std::to_string(answerLimitMs / 1000) + " seconds";
    else if (status < 0)
        said = "fc-match could not be started";
    else if (WIFSIGNALED(status))
        said = "fc-match was ended by signal " + std::to_string(WTERMSIG(status));
    else if (WEXITSTATUS(status) != 0)
        said = "fc-match failed with exit code " + std::to_string(WEXITSTATUS(status));
    else if (answer.empty())
        said = "fc-match answered nothing";
    else if (answer.size() < size && isRegularFile(answer.c_str(), reason, sizeof reason))
        return snprintf(path, size, "%s", answer.c_str()) > 0;
    else
        said = "fc-match answered \"" + answer + "\"" + (reason[0] ? std::string(": ") + reason : std::string());
    // Said in full or, where that does not fit, without the path.
    if (said.size() >= size) said = "fc-match answered a path of " + std::to_string(answer.size()) + " bytes";
    snprintf(path, size, "%s", said.c_str());
    return false;
}
