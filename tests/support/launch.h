// launch.h -- other programs started from a test: arguments, environment, folder and output files
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "scratch_dir.h"

extern char **environ;

struct Launch {
    std::vector<std::string> args;         // the program first: a bare name is looked for on the PATH
    std::vector<std::string> environment;  // "NAME=value" replaces NAME's setting, a bare "NAME" drops it
    std::filesystem::path directory;       // empty: the test's own working directory
    std::filesystem::path output;          // standard output
    std::filesystem::path errors;          // standard error; empty: the test's own
    int descriptor3 = -1;                  // when set, handed to the program as its descriptor 3

    Launch(std::vector<std::string> arguments, std::vector<std::string> settings = {},
           std::filesystem::path folder = {}, std::filesystem::path out = "/dev/null",
           std::filesystem::path err = {})
        : args(std::move(arguments)), environment(std::move(settings)), directory(std::move(folder)),
          output(std::move(out)), errors(std::move(err))
    {
    }
};

// Starts the program with standard input from /dev/null; its pid, or -1 when it could not be started.
inline pid_t startProcess(const Launch &launch)
{
    std::vector<std::string> environment;
    for (char **entry = environ; *entry; ++entry) environment.push_back(*entry);
    for (const std::string &setting : launch.environment) {
        std::string name = setting.substr(0, setting.find('=')) + "=";
        for (auto it = environment.begin(); it != environment.end();)
            it = it->compare(0, name.size(), name) == 0 ? environment.erase(it) : it + 1;
        if (setting.find('=') != std::string::npos) environment.push_back(setting);
    }
    std::vector<std::string> args = launch.args;
    std::vector<char *> envp, argv;
    for (std::string &setting : environment) envp.push_back(setting.data());
    envp.push_back(nullptr);
    for (std::string &argument : args) argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, launch.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (!launch.errors.empty())
        posix_spawn_file_actions_addopen(&actions, 2, launch.errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (launch.descriptor3 >= 0) posix_spawn_file_actions_adddup2(&actions, launch.descriptor3, 3);
    if (!launch.directory.empty()) posix_spawn_file_actions_addchdir_np(&actions, launch.directory.c_str());
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// The program's exit code once it ends; -1 when it did not exit normally.
inline int waitExitCode(pid_t pid)
{
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Waits up to the given time for the program to end; its wait status, or -1 when it still ran and had to
// be killed.
inline int waitForExit(pid_t pid, std::chrono::milliseconds limit)
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

// The program's exit code once it ends within the given time; -1 when a signal ended it or it still ran
// and had to be killed.
inline int exitCodeWithin(pid_t pid, std::chrono::milliseconds limit)
{
    int status = waitForExit(pid, limit);
    return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Whether the process still runs: neither gone nor a zombie waiting for its parent to collect it.
inline bool processRunning(pid_t pid)
{
    std::string stat = readFile("/proc/" + std::to_string(pid) + "/stat");
    size_t name = stat.rfind(')');
    return name != std::string::npos && name + 2 < stat.size() && stat[name + 2] != 'Z';
}

struct ProgramRun {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs the program to its end, with both its outputs kept.
inline ProgramRun runProcess(Launch launch)
{
    ScratchDir scratch("tavrin-run");
    launch.output = scratch.path / "out";
    launch.errors = scratch.path / "err";
    ProgramRun run;
    run.exitCode = waitExitCode(startProcess(launch));
    run.out = readFile(launch.output);
    run.err = readFile(launch.errors);
    return run;
}

inline ProgramRun runProgram(const std::string &program, const std::vector<std::string> &arguments,
                             const std::vector<std::string> &environment = {},
                             const std::filesystem::path &directory = {})
{
    std::vector<std::string> args = {program};
    args.insert(args.end(), arguments.begin(), arguments.end());
    return runProcess({args, environment, directory});
}

// The program does not outlive the test, whatever happens in it.
struct ChildProcess {
    pid_t pid = -1;
    ~ChildProcess()
    {
        if (pid <= 0) return;
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    // Waits for its end as waitForExit does; afterwards there is nothing left to kill.
    int wait(std::chrono::milliseconds limit)
    {
        int status = waitForExit(pid, limit);
        pid = -1;
        return status;
    }
};
