// desktop.cpp -- message box and address opening on a POSIX desktop (zenity, kdialog or xmessage; xdg-open)
#include "platform/desktop.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "spawn.h"

extern char **environ;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
// Runs a dialog program found on the path in a UTF-8 locale and waits until it ends. True only when the
// dialog was shown and dismissed: it ran, ended by itself with 0 (OK) or 1 (closed without OK), and did
// not complain that it could not reach the display, which the dialog programs also report with 1. What it
// writes to standard error is passed on.
static bool runDialog(std::vector<std::string> args)
{
    // The tools read UTF-8 only in a UTF-8 locale (zenity refuses it in the C locale, xmessage shows it
    // byte by byte); C.UTF-8 is always there.
    static char utf8Locale[] = "LC_ALL=C.UTF-8";
    std::vector<char *> envp, argv;
    for (char **e = environ; *e; ++e) {
        if (strncmp(*e, "LC_ALL=", 7) != 0) envp.push_back(*e);
    }
    envp.push_back(utf8Locale);
    envp.push_back(nullptr);
    for (std::string &a : args) argv.push_back(a.data());
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
    if (runDialog({"zenity", "--info", "--no-markup", "--icon-name=", "--title=" + utf8Title, "--text=" + utf8Text}))
        return;
    if (runDialog({"kdialog", "--title", utf8Title, "--msgbox", utf8Text})) return;
    // xmessage draws UTF-8 only through the X toolkit's international text.
    if (runDialog({"xmessage", "-center", "-title", utf8Title, "-buttons", "OK:0", "-default", "OK", "-xrm",
                   "*international: true", utf8Text}))
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
