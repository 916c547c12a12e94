// measure.h -- what the benchmarks share: the process's CPU clock and a child process that writes its figures
#pragma once

#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

// The processor time of this process (all its threads) in milliseconds; a busy shared machine does not
// inflate it as it does wall time.
inline double cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Runs `child` in a forked process that writes its figures to the pipe it is handed and ends there with
// exit code 0 (or its own _exit); the reading end, or -1 when there is no pipe.
template <typename Child>
int forkWriter(Child child, pid_t *pid)
{
    int fds[2];
    if (pipe(fds) != 0) return -1;
    *pid = fork();
    if (*pid == 0) {
        close(fds[0]);
        child(fds[1]);
        _exit(0);
    }
    close(fds[1]);
    return fds[0];
}

// Closes the reading end and waits for the child; whether it exited with 0.
inline bool reap(int in, pid_t pid)
{
    close(in);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
