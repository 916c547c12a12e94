// filekind.cpp -- regular files told apart from pipes, devices and folders with stat(2)
#include "platform/filekind.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

bool isRegularFile(const char *path, char *reason, size_t reasonSize)
{
    struct stat status {};
    if (!path || stat(path, &status) != 0) {
        snprintf(reason, reasonSize, "%s", path && errno == ENOENT ? "no such file" : strerror(errno));
        return false;
    }
    if (S_ISREG(status.st_mode)) return true;
    snprintf(reason, reasonSize, "%s", S_ISDIR(status.st_mode) ? "a folder, not a file" : "not a regular file");
    return false;
}
