// files.cpp -- appending to a file without following a symbolic link, on POSIX
#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

FILE *openForAppending(const char *path, bool *refusedLink)
{
    *refusedLink = false;
    // Without waiting: a named pipe in the file's place would otherwise hold the program until someone
    // reads it. Only a plain file is written to.
    int fd = open(path, O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        *refusedLink = errno == ELOOP;
        return nullptr;
    }
    struct stat info;
    FILE *file = nullptr;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) file = fdopen(fd, "a");
    if (!file) close(fd);
    return file;
}
