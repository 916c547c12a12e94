// playground.h -- the real program in a scratch copy of the runnable tree, on a virtual display of its own:
// started, its window found, the store read with tavrin-reg
#pragma once

#include <chrono>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "desktop.h"
#include "real_program.h"

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// A scratch copy of the runnable tree with a store and a virtual display of its own, so that no other
// program's window can be mistaken for this one; all removed afterwards.
struct Playground {
    RunCopy copy{"tavrin-play"};
    fs::path root = copy.dir.path, run = copy.run();
    VirtualDisplay screen;
    std::string display = screen.name;

    explicit Playground(std::string size = "1024x768x24") : screen(std::move(size)) {}

    void restartDisplay()
    {
        screen.stop();
        screen.start();
        display = screen.name;
    }

    std::vector<std::string> extraEnvironment;  // "NAME=value" for the programs started from here on

    // The copy's settings, this display and never a text-mode stand-in when the display is not reached.
    std::vector<std::string> environment() const
    {
        std::vector<std::string> env = copy.environment();
        env.insert(env.end(), {"DISPLAY=" + display, "XAUTHORITY", "SDL_VIDEODRIVER=x11"});
        env.insert(env.end(), extraEnvironment.begin(), extraEnvironment.end());
        return env;
    }

    // Starts a program from the path or the copy, in the copy; its pid, or -1. Standard output goes to the file.
    pid_t spawn(const std::vector<std::string> &args, const fs::path &output) const
    {
        return startProcess({args, environment(), run, output});
    }

    // Runs a program to its end; its exit code (-1 when it could not run), its output in *out.
    int command(const std::vector<std::string> &args, std::string *out = nullptr) const
    {
        ProgramRun done = runProcess({args, environment(), run});
        if (out) *out = done.out;
        return done.exitCode;
    }

    int xdotool(const std::vector<std::string> &args, std::string *out = nullptr) const
    {
        return ::xdotool(args, out, environment());
    }

    int reg(const std::vector<std::string> &args, std::string *out = nullptr) const
    {
        std::vector<std::string> all = {(run / "tavrin-reg").string()};
        all.insert(all.end(), args.begin(), args.end());
        return command(all, out);
    }
};

inline const std::string settingsKey = "Software\\Vorniquel\\Tavrin";

// The data of one REG_DWORD value as tavrin-reg shows it; -1 when it is not there.
inline long dwordValue(const Playground &play, const std::string &key, const std::string &name)
{
    std::string out;
    if (play.reg({"query", key, "/v", name}, &out) != 0) return -1;
    std::smatch match;
    if (!std::regex_search(out, match, std::regex(name + " +REG_DWORD +0x([0-9a-f]+)"))) return -1;
    return std::stol(match[1], nullptr, 16);
}

// Starts the program in the playground and finds its window; the program's pid, or -1 after a failure
// was recorded. Now and then the virtual display turns connections away, on a busy machine for seconds
// on end. The program then either cannot start (exit code 2) or, when only its first connection failed,
// opens its window before a caption could be set; only these cases are tried again, on a fresh display.
inline pid_t startAndFindWindow(Playground &play, Pointer &pointer)
{
    pointer.environment = play.environment();
    pid_t pid = -1;
    bool found = false, ended = false;
    for (int attempt = 0; attempt < 3 && !found; ++attempt) {
        fs::remove(play.run / "sdl.log");
        pid = play.spawn({(play.run / "tavrin").string()}, play.root / "stdout.txt");
        if (pid <= 0) {
            ADD_FAILURE() << "the program could not be started";
            return -1;
        }
        int status = -1;
        pointer.window = findProgramWindow(15s, play.environment(), pid, &status);
        found = !pointer.window.empty();
        ended = status != -1;
        if (found || attempt == 2) break;
        if (!ended) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            continue;
        }
        std::string log = readFile(play.run / "sdl.log");
        bool refused = log.find("Couldn't open X11 display") != std::string::npos ||
                       log.find("No available video device") != std::string::npos;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 2 || !refused) break;
        // A display that turned the program away tends to go on doing so: the next try gets a new one.
        play.restartDisplay();
    }
    if (found) return pid;
    std::string windows, names;
    play.xdotool({"search", "--name", "."}, &windows);
    std::istringstream lines(windows);
    for (std::string id; std::getline(lines, id);) {
        std::string name;
        play.xdotool({"getwindowname", id}, &name);
        names += id + " " + name;
    }
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    ADD_FAILURE() << "no window on display " << play.display << "; program " << (ended ? "ended" : "running")
                  << "; windows:\n" << names
                  << "stdout:\n" << readFile(play.root / "stdout.txt") << "log:\n" << readFile(play.run / "sdl.log");
    return -1;
}

