// desktop.cpp -- message box and address opening on a POSIX desktop (zenity, kdialog or xmessage; xdg-open)
#include "platform/desktop.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "text/charset.h"

extern char **environ;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
static bool programOnPath(const char *name)
{
    const char *path = getenv("PATH");
    if (!path) return false;
    std::string dirs = path;
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        std::string candidate = dirs.substr(start, end - start) + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

// Starts argv[0] found on the path with the given arguments; the child's pid, or -1.
static pid_t spawnProgram(char *const argv[])
{
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv, environ) != 0) return -1;
    return pid;
}

static int waitForChild(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return status;
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void showMessageBox(const char *title, const char *text)
{
    std::string utf8Title = windows1250ToUtf8(title);
    std::string utf8Text = windows1250ToUtf8(text);
    std::string titleArg = "--title=" + utf8Title;
    std::string textArg = "--text=" + utf8Text;

    if (programOnPath("zenity")) {
        char *const argv[] = {const_cast<char *>("zenity"), const_cast<char *>("--info"),
                              const_cast<char *>("--no-markup"), const_cast<char *>(titleArg.c_str()),
                              const_cast<char *>(textArg.c_str()), nullptr};
        pid_t pid = spawnProgram(argv);
        if (pid > 0 && waitForChild(pid) >= 0) return;
    }
    if (programOnPath("kdialog")) {
        char *const argv[] = {const_cast<char *>("kdialog"), const_cast<char *>("--title"),
                              const_cast<char *>(utf8Title.c_str()), const_cast<char *>("--msgbox"),
                              const_cast<char *>(utf8Text.c_str()), nullptr};
        pid_t pid = spawnProgram(argv);
        if (pid > 0 && waitForChild(pid) >= 0) return;
    }
    if (programOnPath("xmessage")) {
        char *const argv[] = {const_cast<char *>("xmessage"), const_cast<char *>("-center"),
                              const_cast<char *>("-title"), const_cast<char *>(utf8Title.c_str()),
                              const_cast<char *>(utf8Text.c_str()), nullptr};
        pid_t pid = spawnProgram(argv);
        if (pid > 0 && waitForChild(pid) >= 0) return;
    }
    fprintf(stderr, "%s: %s\n", utf8Title.c_str(), utf8Text.c_str());
}

void openAddress(const char *address)
{
    if (!address || !*address) return;
    // A short-lived middle child starts the handler and ends at once; the handler is then adopted by
    // init, so the menu neither waits for the browser nor leaves a zombie behind.
    pid_t middle = fork();
    if (middle < 0) return;
    if (middle == 0) {
        char *const argv[] = {const_cast<char *>("xdg-open"), const_cast<char *>(address), nullptr};
        pid_t pid;
        posix_spawnp(&pid, argv[0], nullptr, nullptr, argv, environ);
        _exit(0);
    }
    waitForChild(middle);
}
