// files.cpp -- appending to a file without following a symbolic link, and replacing one whole, on POSIX
#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

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

bool replaceFile(const char *path, const char *data, size_t size, char *reason, size_t reasonSize)
{
    struct stat info;
    if (lstat(path, &info) == 0 && !S_ISREG(info.st_mode)) {
        snprintf(reason, reasonSize, "%s", S_ISLNK(info.st_mode) ? "a symbolic link stands there" : "not a plain file");
        return false;
    }
    // mkstemp makes the new file 0600 whatever the umask, and never opens one that is there already.
    std::string temporary = std::string(path) + ".XXXXXX";
    int fd = mkstemp(&temporary[0]);
    if (fd < 0) {
        snprintf(reason, reasonSize, "%s", strerror(errno));
        return false;
    }
    int error = 0;
    for (size_t done = 0; error == 0 && done < size;) {
        ssize_t written = write(fd, data + done, size - done);
        if (written > 0) done += static_cast<size_t>(written);
        else if (written == 0) error = EIO;
        else if (errno != EINTR) error = errno;
    }
    if (error == 0 && fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && rename(temporary.c_str(), path) != 0) error = errno;
    if (error == 0) return true;
    unlink(temporary.c_str());
    snprintf(reason, reasonSize, "%s", strerror(error));
    return false;
}
