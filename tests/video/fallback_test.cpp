// fallback_test.cpp -- the real program on a display without OpenGL: it runs on plain SDL and says so once
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "../support/real_program.h"

namespace {
// An X server of the test's own without the GLX extension; stopped when the test ends.
struct DisplayWithoutOpenGL {
    pid_t pid = -1;
    std::string name;
    DisplayWithoutOpenGL()
    {
        int fds[2];
        if (pipe(fds) != 0) return;
        std::string fd = std::to_string(fds[1]);
        std::vector<std::string> args = {"Xvfb", "-displayfd", fd, "-screen", "0", "1024x768x24", "-noreset",
                                         "-extension", "GLX"};
        std::vector<char *> argv;
        for (std::string &a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&pid, "Xvfb", &actions, nullptr, argv.data(), environ) != 0) pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        char number[16] = {};
        // The server writes its display number once it accepts clients.
        if (pid > 0 && read(fds[0], number, sizeof number - 1) > 0) name = ":" + std::to_string(atoi(number));
        close(fds[0]);
    }
    ~DisplayWithoutOpenGL()
    {
        if (pid <= 0) return;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
};
}  // namespace

TEST(NoOpenGL, ProgramDrawsWithPlainSDLAndSaysSoInTheLog)
{
    DisplayWithoutOpenGL display;
    if (display.name.empty()) GTEST_SKIP() << "no Xvfb to start";
    RunCopy copy;
    // The program reads the first DISPLAY of its environment: the test's own must not come first.
    const char *previous = getenv("DISPLAY");
    std::string kept = previous ? previous : "";
    unsetenv("DISPLAY");
    pid_t program = startProgram(copy, {"DISPLAY=" + display.name, "SDL_VIDEODRIVER=x11"});
    if (previous) setenv("DISPLAY", kept.c_str(), 1);
    ASSERT_GT(program, 0);

    std::this_thread::sleep_for(std::chrono::seconds(3));
    int status = 0;
    ASSERT_EQ(waitpid(program, &status, WNOHANG), 0) << "the program ended on its own, status " << status;
    kill(program, SIGTERM);
    status = waitForExit(program, std::chrono::seconds(10));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;

    const std::string log = copy.log();
    const std::string line = " \xB7 No OpenGL window (";
    const size_t at = log.find(line);
    EXPECT_NE(at, std::string::npos) << log;
    EXPECT_EQ(log.find(line, at + 1), std::string::npos) << "said once";
    EXPECT_NE(log.find(": drawing with plain SDL\n"), std::string::npos) << log;
    EXPECT_NE(log.find("frames per second"), std::string::npos) << "the loop ran";
}
