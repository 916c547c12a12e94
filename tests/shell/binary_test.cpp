// binary_test.cpp -- the real program started from a scratch copy of build/run under the test's display
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "scratch_dir.h"

extern char **environ;

namespace {

// A copy of the runnable tree, so that the program's log and files stay out of the build.
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

// Starts the program in the copy with extra environment settings; returns its pid.
pid_t startProgram(const RunCopy &copy, const std::vector<std::string> &extraEnvironment)
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
    posix_spawn_file_actions_addchdir_np(&actions, copy.run().c_str());
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

// Waits up to the given time for the program to end; its exit status, or -1 when it still runs.
int waitForExit(pid_t pid, std::chrono::seconds limit)
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

}  // namespace

TEST(RealProgram, LogsItsStartAndEndsCleanlyOnTerminate)
{
    RunCopy copy;
    pid_t pid = startProgram(copy, {});
    ASSERT_GT(pid, 0);
    std::this_thread::sleep_for(std::chrono::seconds(4));
    kill(pid, SIGTERM);  // SDL turns it into a quit event
    int status = waitForExit(pid, std::chrono::seconds(20));
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);

    std::string log = copy.log();
    EXPECT_EQ(log.rfind("\n\ntavrin.exe started ----------------------------------------------\n\n\n", 0), 0u) << log;
    EXPECT_NE(log.find("\n \xB7 Screen resolution 800x600x32bits\n"), std::string::npos) << log;
    EXPECT_NE(log.find("\nOpened audio at 44100 Hz 16 bit stereo, 2048 bytes audio buffer\n\n"), std::string::npos);
    std::smatch match;
    ASSERT_TRUE(std::regex_search(log, match, std::regex("\n  -> ([0-9]+\\.[0-9]{2}) frames per second\n$"))) << log;
    double fps = std::stod(match[1]);
    EXPECT_GE(fps, 45.0);
    EXPECT_LE(fps, 51.0);
}

TEST(RealProgram, UnusableVideoDriverEndsWithExitCodeTwo)
{
    RunCopy copy;
    pid_t pid = startProgram(copy, {"SDL_VIDEODRIVER=no-such-driver"});
    ASSERT_GT(pid, 0);
    int status = waitForExit(pid, std::chrono::seconds(20));
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 2);
    std::string log = copy.log();
    std::smatch match;
    ASSERT_TRUE(std::regex_search(log, match, std::regex("\n \xB7 Couldn't set 800x600 video mode: ([^\n]+)\n$"))) << log;
    EXPECT_FALSE(match[1].str().empty());
    EXPECT_EQ(log.find("frames per second"), std::string::npos);
}

TEST(RealProgram, RunsTheSameWhenTheLogCannotBeWritten)
{
    RunCopy copy;
    std::filesystem::create_directory(copy.run() / "sdl.log");  // not openable for appending, even by root
    pid_t pid = startProgram(copy, {});
    ASSERT_GT(pid, 0);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    kill(pid, SIGTERM);
    int status = waitForExit(pid, std::chrono::seconds(20));
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(std::filesystem::is_directory(copy.run() / "sdl.log"));
}

TEST(RealProgram, FailedStartUpLoadIsLoggedAndEndsWithExitCodeOne)
{
    RunCopy copy;
    std::string preload = std::string("LD_PRELOAD=") + TAVRIN_TEST_BIN_DIR + "/ttf_init_fails.so";
    pid_t pid = startProgram(copy, {preload});
    ASSERT_GT(pid, 0);
    int status = waitForExit(pid, std::chrono::seconds(20));
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 1);  // a failed start is not reported as success
    std::string log = copy.log();
    EXPECT_NE(log.find("\nTTF_Init failed\ninit(); failed\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("frames per second"), std::string::npos);
}
