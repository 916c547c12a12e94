// runfiles.cpp -- where the run-time files are read from and where the log goes, settled once at start-up
#include "shell/runfiles.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "base/log.h"
#include "platform/files.h"
#include "platform/places.h"

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
// The installed data folder as seen from the installed executable's folder; the build derives it from
// the install layout, so any install prefix works.
const char *const installedDataPath = TAVRIN_INSTALLED_DATA_PATH;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
// Folder names are UTF-8 here, and the program's folder may have letters the ANSI code page lacks.
static std::filesystem::path pathOf(const std::string &folder) { return std::filesystem::u8path(folder); }

// The log goes beside the run-time files (the path given) where they are the user's own and it can be
// written there, else to the user's state folder, or nowhere when that cannot be made.
static void placeLog(const std::string &beside)
{
    if (logBesideRunTimeFiles && !beside.empty()) {
        bool refusedLink = false;
        if (FILE *file = openForAppending(beside.c_str(), &refusedLink)) {
            fclose(file);
            logSetFile(beside.c_str());
            return;
        }
    }
    std::array<char, 4096> state{};
    logSetFile(stateDirectory(state.data(), state.size()) ? (std::string(state.data()) + "/sdl.log").c_str() : "");
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
bool holdsRunTimeFiles(const std::string &folder)
{
    std::error_code ignored;
    for (const char *name : {"g", "g1", "snd"}) {
        if (!std::filesystem::is_directory(pathOf(folder) / name, ignored)) return false;
    }
    return true;
}

std::string runTimeFilesFor(const std::string &executableFolder)
{
    // Beside the executable first: the build's own tree (build/run/) started from elsewhere.
    if (holdsRunTimeFiles(executableFolder)) return executableFolder;
    std::error_code failed;
    std::filesystem::path installed =
        std::filesystem::weakly_canonical(pathOf(executableFolder) / installedDataPath, failed);
    if (!failed && holdsRunTimeFiles(installed.u8string())) return installed.u8string();
    return std::string();
}

bool placeRunTimeFiles(char *problem, size_t size)
{
    // Started where the files are (build/run/ through scripts/run, the installed game's shortcut): they
    // are read there, and so is the log written, unless that folder cannot take it.
    if (holdsRunTimeFiles(".")) {
        if (logBesideRunTimeFiles) placeLog("sdl.log");
        return true;
    }

    // From here on nothing is written into the working directory: the files are looked for from the
    // program's own folder, which becomes the working directory, since the game modules open their font
    // by the same relative names.
    std::array<char, 4096> executable{};
    bool knowsExecutable = executableDirectory(executable.data(), executable.size());
    std::string folder = knowsExecutable ? runTimeFilesFor(executable.data()) : std::string();
    std::error_code failed;
    if (!folder.empty()) std::filesystem::current_path(pathOf(folder), failed);
    bool placed = !folder.empty() && !failed;
    // Where none are found, a log beside the program says so.
    placeLog(placed ? std::string("sdl.log")
                    : knowsExecutable ? std::string(executable.data()) + "/sdl.log" : std::string());

    if (!knowsExecutable) {
        snprintf(problem, size, " \xB7 Couldn't find the run-time files: the program's own folder is unknown");
        return false;
    }
    if (!placed) {
        snprintf(problem, size, " \xB7 Couldn't find the run-time files (g/, g1/, snd/) in the working directory, in %s or in %s/%s",
                 executable.data(), executable.data(), installedDataPath);
        return false;
    }
    return true;
}
