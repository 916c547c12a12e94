// startup_test.cpp -- the real program's first log lines: the machine described, then the video mode tried
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "../shell/scratch_dir.h"

extern char **environ;

namespace {

const std::string banner = "\n\ntavrin.exe started ----------------------------------------------\n\n\n";
const std::string machineLines =
    " \xB7 [^\n]* \\([^\n]*\\)\n"
    " \xB7 CPU Speed: [0-9]+ Mhz\n"
    " \xB7 System memory total/available: [0-9]+Mb / [0-9]+Mb\n";

// Runs the program from a scratch copy of the runnable tree and returns its exit status (-1 when it was
// still running after `limit` and had to be killed), leaving its log in `log`.
int runProgram(const std::vector<std::string> &extraEnvironment, std::chrono::seconds limit, std::string *log)
{
    ScratchDir dir;
    std::filesystem::path run = dir.path / "run";
    std::filesystem::copy(TAVRIN_RUN_DIR, run, std::filesystem::copy_options::recursive);
    std::filesystem::remove(run / "sdl.log");
    std::filesystem::create_directory(dir.path / "config");

    std::vector<std::string> environment;
    for (char **e = environ; *e; ++e) environment.push_back(*e);
    environment.push_back("XDG_CONFIG_HOME=" + (dir.path / "config").string());
    environment.push_back("SDL_AUDIODRIVER=dummy");
    for (const std::string &e : extraEnvironment) environment.push_back(e);
    std::vector<char *> envp;
    for (std::string &e : environment) envp.push_back(e.data());
    envp.push_back(nullptr);

    std::string program = (run / "tavrin").string();
    char *const argv[] = {program.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, run.c_str());
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) return -2;

    int status = -1;
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (waitpid(pid, &status, WNOHANG) == pid) break;
        status = -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (status == -1) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    *log = readFile(run / "sdl.log");
    return status;
}

TEST(StartupDiagnostics, VideoDriverWithoutOpenGLIsNamedThenTheModeFailsWithExitCodeTwo)
{
    std::string log;
    int status = runProgram({"SDL_VIDEODRIVER=dummy"}, std::chrono::seconds(20), &log);
    std::smatch match;
    std::regex start("^" + banner + machineLines + " \xB7 Couldn't detect videocard \\(([^\n]+)\\)\n" +
                     " \xB7 Screen resolution 800x600x32bits\n");
    ASSERT_TRUE(std::regex_search(log, match, start)) << log;
    EXPECT_NE(match[1].str().find("OpenGL"), std::string::npos) << match[1];
    ASSERT_TRUE(WIFEXITED(status)) << "still running: " << log;
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_TRUE(std::regex_search(log, std::regex("\n \xB7 Couldn't set 800x600 video mode: [^\n]+\n$"))) << log;
}

TEST(StartupDiagnostics, UnknownVideoDriverSkipsTheProbeQuietlyAndEndsWithExitCodeTwo)
{
    std::string log;
    int status = runProgram({"SDL_VIDEODRIVER=no-such-driver"}, std::chrono::seconds(20), &log);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 2);
    std::regex start("^" + banner + machineLines + " \xB7 Screen resolution 800x600x32bits\n");
    EXPECT_TRUE(std::regex_search(log, start)) << log;
    EXPECT_EQ(log.find("videocard"), std::string::npos) << log;
    EXPECT_TRUE(std::regex_search(log, std::regex("\n \xB7 Couldn't set 800x600 video mode: [^\n]+\n$"))) << log;
}

}  // namespace
