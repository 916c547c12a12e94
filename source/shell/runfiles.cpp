// runfiles.cpp -- where the run-time files are read from and where the log goes, settled once at start-up
#include "shell/runfiles.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "base/log.h"
#include "platform/places.h"

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
// The installed data folder as seen from the installed executable's folder; the build derives it from
// the install layout, so any install prefix works.
const char *const installedDataPath = TAVRIN_INSTALLED_DATA_PATH;

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
bool holdsRunTimeFiles(const std::string &folder)
{
    std::error_code ignored;
    for (const char *name : {"g", "g1", "snd"}) {
        if (!std::filesystem::is_directory(std::filesystem::path(folder) / name, ignored)) return false;
    }
    return true;
}

std::string runTimeFilesFor(const std::string &executableFolder)
{
    // Beside the executable first: the build's own tree (build/run/) started from elsewhere.
    if (holdsRunTimeFiles(executableFolder)) return executableFolder;
    std::error_code failed;
    std::filesystem::path installed =
        std::filesystem::weakly_canonical(std::filesystem::path(executableFolder) / installedDataPath, failed);
    if (!failed && holdsRunTimeFiles(installed.string())) return installed.string();
    return std::string();
}

bool placeRunTimeFiles(char *problem, size_t size)
{
    // Started where the files are (build/run/ through scripts/run): everything stays as it always was.
    if (!runTimeFilesFollowExecutable || holdsRunTimeFiles(".")) return true;

    // From here on nothing is written into the working directory, nor into the folder the files are
    // read from: the log goes to the user's state folder, or nowhere when that cannot be made.
    std::array<char, 4096> state{};
    if (stateDirectory(state.data(), state.size())) {
        logSetFile((std::string(state.data()) + "/sdl.log").c_str());
    } else {
        // Said once, on standard error, since there is no log to say it in.
        int error = errno;
        logSetFile("");
        std::string why = state[0] ? std::string("the folder \"") + state.data() + "\" cannot be made (" + strerror(error) + ")"
                                   : std::string("there is no home folder to keep it in");
        logProblem((" \xB7 No log is kept this run: " + why).c_str());
    }

    std::array<char, 4096> executable{};
    if (!executableDirectory(executable.data(), executable.size())) {
        snprintf(problem, size, " \xB7 Couldn't find the run-time files: the program's own folder is unknown");
        return false;
    }
    std::string folder = runTimeFilesFor(executable.data());
    std::error_code failed;
    // The game modules open their font by the same relative names, so they find it here too.
    if (!folder.empty()) std::filesystem::current_path(folder, failed);
    if (folder.empty() || failed) {
        snprintf(problem, size, " \xB7 Couldn't find the run-time files (g/, g1/, snd/) in the working directory, in %s or in %s/%s",
                 executable.data(), executable.data(), installedDataPath);
        return false;
    }
    return true;
}
