// files.cpp -- appending to a file without following a symbolic link, on POSIX
#include "platform/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

FILE *openForAppending(const char *path, bool *refusedLink)
{
    *refusedLink = false;
    int fd = open(path, O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        *refusedLink = errno == ELOOP;
        return nullptr;
    }
    FILE *file = fdopen(fd, "a");
    if (!file) close(fd);
    return file;
}
