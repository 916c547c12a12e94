// real_program.h -- the real program started from a scratch copy of build/run, for end-to-end tests
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "scratch_dir.h"

extern char **environ;

// A copy of the runnable tree with an empty settings folder, so that the program's log and store stay
// out of the build and out of the user's own settings.
struct RunCopy {
    ScratchDir dir;
    std::filesystem::path config;
    RunCopy()
    {
        std::filesystem::copy(TAVRIN_RUN_DIR, dir.path / "run", std::filesystem::copy_options::recursive);
        std::filesystem::remove(dir.path / "run" / "sdl.log");
        config = dir.path / "config";
        std::filesystem::create_directory(config);
    }
    std::filesystem::path run() const { return dir.path / "run"; }
    std::string log() const { return readFile(run() / "sdl.log"); }
};

// Starts the program in the copy (or in another working directory), silent audio and the copy's settings
// folder, plus extra environment settings ("NAME=value"); its standard output goes nowhere. Returns its
// pid, or -1.
inline pid_t startProgram(const RunCopy &copy, const std::vector<std::string> &extraEnvironment,
                          const std::filesystem::path &workingDirectory = {})
{
    std::vector<std::string> environment;
    for (char **e = environ; *e; ++e) environment.push_back(*e);
    environment.push_back("XDG_CONFIG_HOME=" + copy.config.string());
    environment.push_back("SDL_AUDIODRIVER=dummy");
    for (const std::string &e : extraEnvironment) environment.push_back(e);
    std::vector<char *> envp;
    for (std::string &e : environment) envp.push_back(e.data());
    envp.push_back(nullptr);

    std::string program = (copy.run() / "tavrin").string();
    char *const argv[] = {program.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    std::string directory = (workingDirectory.empty() ? copy.run() : workingDirectory).string();
    posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

// Waits up to the given time for the program to end; its exit status, or -1 when it still ran and had to
// be killed.
inline int waitForExit(pid_t pid, std::chrono::seconds limit)
{
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}
