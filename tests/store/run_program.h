// run_program.h -- starts a program with extra environment, waits for it and hands back its output
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char **environ;

struct ProgramRun {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out;
    std::string err;
};

inline std::string slurp(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Starts program with arguments (no shell in between), the current environment plus extra, standard
// input from /dev/null and, when workDir is given, that working directory. Returns the child's pid.
inline pid_t startProgram(const std::string &program, const std::vector<std::string> &arguments,
                          const std::vector<std::string> &extra, const std::string &outFile, const std::string &errFile,
                          const std::string &workDir = std::string())
{
    std::vector<std::string> environment;
    for (char **entry = environ; *entry; entry++) environment.push_back(*entry);
    for (const std::string &setting : extra) {
        std::string name = setting.substr(0, setting.find('=') + 1);
        for (auto it = environment.begin(); it != environment.end();)
            it = it->compare(0, name.size(), name) == 0 ? environment.erase(it) : it + 1;
        environment.push_back(setting);
    }
    std::vector<char *> envp, argv;
    for (std::string &setting : environment) envp.push_back(setting.data());
    envp.push_back(nullptr);
    std::vector<std::string> all = {program};
    all.insert(all.end(), arguments.begin(), arguments.end());
    for (std::string &argument : all) argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (!workDir.empty()) posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

inline int waitExitCode(pid_t pid)
{
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline ProgramRun runProgram(const std::string &program, const std::vector<std::string> &arguments,
                             const std::vector<std::string> &extra = {}, const std::string &workDir = std::string())
{
    std::string base = (std::filesystem::temp_directory_path() / ("tavrin-run-" + std::to_string(getpid()))).string();
    ProgramRun run;
    pid_t pid = startProgram(program, arguments, extra, base + ".out", base + ".err", workDir);
    run.exitCode = waitExitCode(pid);
    run.out = slurp(base + ".out");
    run.err = slurp(base + ".err");
    unlink((base + ".out").c_str());
    unlink((base + ".err").c_str());
    return run;
}
