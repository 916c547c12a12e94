// desktop.cpp -- message box and address opening on a POSIX desktop (zenity, kdialog or xmessage; xdg-open)
#include "platform/desktop.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "spawn.h"

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

// Runs a dialog program found on the path, with extra environment settings ("NAME=value", replacing the
// same names), and waits until it ends. True only when the dialog was shown and dismissed: it ran, ended
// by itself with 0 (OK) or 1 (closed without OK), and did not complain that it could not reach the
// display, which the dialog programs also report with 1. What it writes to standard error is passed on.
static bool runDialog(const std::vector<std::string> &args, const std::vector<std::string> &extraEnvironment)
{
    std::vector<std::string> environment;
    for (char **e = environ; *e; ++e) {
        std::string entry = *e;
        bool replaced = false;
        for (const std::string &extra : extraEnvironment) {
            replaced = replaced || entry.compare(0, extra.find('=') + 1, extra, 0, extra.find('=') + 1) == 0;
        }
        if (!replaced) environment.push_back(entry);
    }
    for (const std::string &extra : extraEnvironment) environment.push_back(extra);
    std::vector<char *> envp, argv;
    for (std::string &e : environment) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> argsCopy = args;
    for (std::string &a : argsCopy) argv.push_back(a.data());
    argv.push_back(nullptr);

    std::string said;
    int status = runReading(argv.data(), envp.data(), 2, 16384, true, &said);
    if (status < 0 || !WIFEXITED(status)) return false;
    int code = WEXITSTATUS(status);
    if (code != 0 && code != 1) return false;
    // "cannot open display" (GTK), "Can't open display" (X toolkit), "could not connect to display" (Qt).
    for (char &c : said) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return said.find("open display") == std::string::npos && said.find("connect to display") == std::string::npos;
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void showMessageBox(const char *title, const char *text)
{
    const std::string utf8Title = title;
    const std::string utf8Text = text;

    // Like the Windows box: no icon, one OK button. A tool that is missing, fails or cannot reach the
    // display gives way to the next, and the last resort is standard error, so the message is never lost.
    // The tools read UTF-8 only in a UTF-8 locale (zenity refuses it in the C locale, xmessage shows it
    // byte by byte); C.UTF-8 is always there.
    const std::vector<std::string> utf8Locale = {"LC_ALL=C.UTF-8"};
    if (programOnPath("zenity") &&
        runDialog({"zenity", "--info", "--no-markup", "--icon-name=", "--title=" + utf8Title, "--text=" + utf8Text},
                  utf8Locale))
        return;
    if (programOnPath("kdialog") && runDialog({"kdialog", "--title", utf8Title, "--msgbox", utf8Text}, utf8Locale))
        return;
    // xmessage draws UTF-8 only through the X toolkit's international text.
    if (programOnPath("xmessage") &&
        runDialog({"xmessage", "-center", "-title", utf8Title, "-buttons", "OK:0", "-default", "OK", "-xrm",
                   "*international: true", utf8Text},
                  utf8Locale))
        return;
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
