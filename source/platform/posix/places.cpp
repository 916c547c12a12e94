// places.cpp -- the executable's folder through /proc/self/exe, the state folder after the XDG convention
#include "platform/places.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
const bool logBesideRunTimeFiles = false;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
static bool copyOut(const std::string &text, char *buffer, size_t size)
{
    if (size == 0 || text.size() >= size) return false;
    memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
bool makePrivateFolder(const char *path)
{
    if (mkdir(path, 0700) == 0 || errno == EEXIST) return true;
    if (errno != ENOENT) return false;
    const char *slash = strrchr(path, '/');
    if (!slash || slash == path) return false;
    if (!makePrivateFolder(std::string(path, static_cast<size_t>(slash - path)).c_str())) return false;
    return mkdir(path, 0700) == 0 || errno == EEXIST;
}

bool executableDirectory(char *buffer, size_t size)
{
    // The kernel's link names the file itself, so a program started through a symbolic link (as the
    // installed one is, from the games folder) finds the folder it really lives in.
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return false;
    path[length] = '\0';
    char *slash = strrchr(path, '/');
    if (!slash) return false;
    // An executable in the root directory keeps its "/" rather than becoming an empty (relative) path.
    if (slash == path) slash[1] = '\0';
    else *slash = '\0';
    return copyOut(path, buffer, size);
}

bool stateDirectory(char *buffer, size_t size)
{
    // A relative XDG_STATE_HOME is ignored, as the convention asks; so is a relative HOME.
    std::string base;
    const char *state = getenv("XDG_STATE_HOME");
    if (state && state[0] == '/') {
        base = state;
    } else {
        const char *home = getenv("HOME");
        if (!home || home[0] != '/') {
            const passwd *entry = getpwuid(getuid());
            home = entry ? entry->pw_dir : nullptr;
        }
        if (!home || home[0] != '/') return false;
        base = std::string(home) + "/.local/state";
    }
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    std::string folder = (base == "/" ? "" : base) + "/tavrin";
    if (!makePrivateFolder(folder.c_str())) return false;
    struct stat info;
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    return copyOut(folder, buffer, size);
}
