// real_program.h -- the real program started from a scratch copy of build/run, for end-to-end tests
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "launch.h"
#include "scratch_dir.h"

// A copy of the runnable tree with an empty settings folder, so that the program's log and store stay
// out of the build and out of the user's own settings.
struct RunCopy {
    ScratchDir dir;
    std::filesystem::path config;
    explicit RunCopy(const std::string &prefix = "tavrin-test") : dir(prefix)
    {
        std::filesystem::copy(TAVRIN_RUN_DIR, dir.path / "run", std::filesystem::copy_options::recursive);
        std::filesystem::remove(dir.path / "run" / "sdl.log");
        config = dir.path / "config";
        std::filesystem::create_directory(config);
    }
    std::filesystem::path run() const { return dir.path / "run"; }
    std::string log() const { return readFile(run() / "sdl.log"); }
    // The copy's settings folder and silent audio, for the program's environment.
    std::vector<std::string> environment() const
    {
        return {"XDG_CONFIG_HOME=" + config.string(), "SDL_AUDIODRIVER=dummy"};
    }
};

// Starts the program in the copy (or in another working directory) with the copy's environment plus extra
// settings ("NAME=value"); its standard output goes nowhere. Returns its pid, or -1.
inline pid_t startProgram(const RunCopy &copy, const std::vector<std::string> &extraEnvironment,
                          const std::filesystem::path &workingDirectory = {})
{
    std::vector<std::string> environment = copy.environment();
    environment.insert(environment.end(), extraEnvironment.begin(), extraEnvironment.end());
    return startProcess({{(copy.run() / "tavrin").string()}, environment,
                         workingDirectory.empty() ? copy.run() : workingDirectory});
}

// Runs the program in the copy for a while, then asks it to end as a desktop does (SIGTERM, which SDL turns
// into a quit event); its exit code, -1 when it did not end within 20 seconds, -2 when it did not start.
inline int runThenTerminate(const RunCopy &copy, const std::vector<std::string> &extraEnvironment,
                            std::chrono::seconds runFor, const std::filesystem::path &workingDirectory = {})
{
    pid_t pid = startProgram(copy, extraEnvironment, workingDirectory);
    if (pid < 0) return -2;
    std::this_thread::sleep_for(runFor);
    kill(pid, SIGTERM);
    return exitCodeWithin(pid, std::chrono::seconds(20));
}
