// desktop.h -- a program's window driven from a test with xdotool, and checks that wait for the program
#pragma once

#include <chrono>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "launch.h"

// A virtual X display of its own, at the given size (width x height x depth, as Xvfb takes it), for as
// long as this lives. Xvfb picks a free display number and writes it to a pipe once it takes connections.
struct VirtualDisplay {
    std::string size;
    std::string name;  // ":N"; empty when Xvfb could not be started
    pid_t server = -1;

    explicit VirtualDisplay(std::string screenSize = "1024x768x24") : size(std::move(screenSize)) { start(); }
    ~VirtualDisplay() { stop(); }
    VirtualDisplay(const VirtualDisplay &) = delete;
    VirtualDisplay &operator=(const VirtualDisplay &) = delete;

    void start()
    {
        int fds[2];
        if (pipe(fds) != 0) return;
        Launch xvfb({"Xvfb", "-displayfd", "3", "-screen", "0", size, "-nolisten", "tcp", "-noreset"});
        xvfb.errors = "/dev/null";
        xvfb.descriptor3 = fds[1];
        server = startProcess(xvfb);
        close(fds[1]);
        char number[32] = {};
        ssize_t got = server > 0 ? read(fds[0], number, sizeof number - 1) : 0;
        close(fds[0]);
        if (got > 0) name = ":" + std::to_string(atoi(number));
    }
    void stop()
    {
        if (server > 0) {
            kill(server, SIGTERM);
            waitpid(server, nullptr, 0);
        }
        server = -1;
        name.clear();
    }
};

// Waits until the check holds or the time is up; whether it held. The program takes its events a frame at
// a time, later still on a busy machine.
template <typename Check>
bool eventually(Check check, std::chrono::milliseconds limit = std::chrono::seconds(15),
                std::chrono::milliseconds step = std::chrono::milliseconds(100))
{
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (!check()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(step);
    }
    return true;
}

// Runs xdotool to its end with its output in *out; its exit code. The display now and then turns a new
// connection away, and xdotool then fails before it has done anything, so it is simply asked again.
inline int xdotool(const std::vector<std::string> &args, std::string *out = nullptr,
                   const std::vector<std::string> &environment = {})
{
    Launch launch{{"xdotool"}, environment};
    launch.args.insert(launch.args.end(), args.begin(), args.end());
    launch.errors = "/dev/null";
    int code = -1;
    for (int attempt = 0; attempt < 10 && code != 0; ++attempt) {
        ProgramRun run = runProcess(launch);
        code = run.exitCode;
        if (out) *out = run.out;
        if (code != 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return code;
}

// The visible window named exactly "Tavrin" (the search ignores case and also finds the short-lived window
// of the start-up probe), or empty after the given time, or as soon as the program, when given, has ended
// (its wait status then goes to *ended).
inline std::string findProgramWindow(std::chrono::milliseconds limit, const std::vector<std::string> &environment = {},
                                     pid_t program = -1, int *ended = nullptr)
{
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (program > 0 && waitpid(program, &status, WNOHANG) == program) {
            if (ended) *ended = status;
            return "";
        }
        std::string ids;
        if (xdotool({"search", "--onlyvisible", "--name", "^Tavrin$"}, &ids, environment) == 0) {
            std::istringstream lines(ids);
            for (std::string id; std::getline(lines, id);) {
                std::string name;
                if (xdotool({"getwindowname", id}, &name, environment) == 0 && name == "Tavrin\n") return id;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return "";
}

// The pointer and keyboard on the program's window, positions relative to it. Each action lets a few
// frames pass, so that the program has taken it before the next one.
struct Pointer {
    std::string window;
    std::vector<std::string> environment;
    std::chrono::milliseconds settle{60};       // after a move or a press
    std::chrono::milliseconds afterClick{150};  // after a whole click, on top of the settling
    std::chrono::milliseconds afterKey{600};

    void moveTo(int x, int y)
    {
        xdotool({"mousemove", "--window", window, std::to_string(x), std::to_string(y)}, nullptr, environment);
        std::this_thread::sleep_for(settle);
    }
    void button(const char *action)
    {
        xdotool({action, "1"}, nullptr, environment);
        std::this_thread::sleep_for(settle);
    }
    void clickAt(int x, int y)
    {
        moveTo(x, y);
        button("click");
        std::this_thread::sleep_for(afterClick);
    }
    void key(const char *name)
    {
        xdotool({"windowfocus", "--sync", window}, nullptr, environment);
        xdotool({"key", name}, nullptr, environment);
        std::this_thread::sleep_for(afterKey);
    }
};
