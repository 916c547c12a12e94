// startup_test.cpp -- the real program's first log lines: the machine described, then the video mode tried
#include <gtest/gtest.h>

#include <csignal>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "real_program.h"

namespace {

const std::string banner = "\n\ntavrin.exe started ----------------------------------------------\n\n\n";
const std::string machineLines =
    " \xB7 [^\n]* \\([^\n]*\\)\n"
    " \xB7 CPU Speed: [0-9]+ Mhz\n"
    " \xB7 System memory total/available: [0-9]+Mb / [0-9]+Mb\n";

TEST(StartupDiagnostics, VideoDriverWithoutOpenGLIsNamedThenTheGameDrawsWithPlainSdl)
{
    // The dummy driver has no OpenGL but can set a plain mode: the child still gets a game, and the log
    // says why it is drawn without OpenGL.
    RunCopy copy;
    pid_t pid = startProgram(copy, {"SDL_VIDEODRIVER=dummy"});
    ASSERT_GT(pid, 0);
    std::string log;
    for (int wait = 0; wait < 500 && log.find("No OpenGL window") == std::string::npos; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        log = copy.log();
    }
    kill(pid, SIGTERM);
    int status = waitForExit(pid, std::chrono::seconds(20));
    log = copy.log();
    std::smatch match;
    std::regex start("^" + banner + machineLines + " \xB7 Couldn't detect videocard \\(([^\n]+)\\)\n" +
                     " \xB7 Screen resolution 800x600x32bits\n");
    ASSERT_TRUE(std::regex_search(log, match, start)) << log;
    EXPECT_NE(match[1].str().find("OpenGL"), std::string::npos) << match[1];
    EXPECT_TRUE(std::regex_search(log, std::regex("\n \xB7 No OpenGL window \\([^\n]+\\): drawing with plain SDL\n")))
        << log;
    ASSERT_TRUE(WIFEXITED(status)) << "still running: " << log;
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(StartupDiagnostics, UnknownVideoDriverSkipsTheProbeQuietlyAndEndsWithExitCodeTwo)
{
    RunCopy copy;
    pid_t pid = startProgram(copy, {"SDL_VIDEODRIVER=no-such-driver"});
    ASSERT_GT(pid, 0);
    EXPECT_EQ(exitCodeWithin(pid, std::chrono::seconds(20)), 2);
    std::string log = copy.log();
    std::regex start("^" + banner + machineLines + " \xB7 Screen resolution 800x600x32bits\n");
    EXPECT_TRUE(std::regex_search(log, start)) << log;
    EXPECT_EQ(log.find("videocard"), std::string::npos) << log;
    EXPECT_TRUE(std::regex_search(log, std::regex("\n \xB7 Couldn't set 800x600 video mode: [^\n]+\n$"))) << log;
    EXPECT_EQ(log.find("frames per second"), std::string::npos) << log;
}

}  // namespace
