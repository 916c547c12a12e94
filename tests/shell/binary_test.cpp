// binary_test.cpp -- the real program started from a scratch copy of build/run under the test's display
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "desktop.h"
#include "real_program.h"

TEST(RealProgram, LogsItsStartAndEndsCleanlyOnTerminate)
{
    RunCopy copy;
    EXPECT_EQ(runThenTerminate(copy, {}, std::chrono::seconds(4)), 0);

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

TEST(RealProgram, RunsTheSameWhenTheLogCannotBeWritten)
{
    RunCopy copy;
    std::filesystem::create_directory(copy.run() / "sdl.log");  // not openable for appending, even by root
    EXPECT_EQ(runThenTerminate(copy, {}, std::chrono::seconds(2)), 0);
    EXPECT_TRUE(std::filesystem::is_directory(copy.run() / "sdl.log"));
}

TEST(RealProgram, FailedStartUpLoadIsLoggedAndEndsWithExitCodeOne)
{
    RunCopy copy;
    std::string preload = std::string("LD_PRELOAD=") + TAVRIN_TEST_BIN_DIR + "/ttf_init_fails.so";
    pid_t pid = startProgram(copy, {preload});
    ASSERT_GT(pid, 0);
    EXPECT_EQ(exitCodeWithin(pid, std::chrono::seconds(20)), 1);  // a failed start is not reported as success
    std::string log = copy.log();
    EXPECT_NE(log.find("\nTTF_Init failed\ninit(); failed\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("frames per second"), std::string::npos);
}

// Another instance of the program (here tavrin-reg, as a script would) saves a setting while this one
// runs; this one's save at exit writes only what its own player changed, so the other's change stays.
TEST(RealProgram, KeepsTheSettingsAnotherInstanceSavedMeanwhile)
{
    RunCopy copy;
    const std::string tool = (copy.run() / "tavrin-reg").string();
    const std::string key = "Software\\Vorniquel\\Tavrin";
    ASSERT_EQ(runProgram(tool, {"add", key, "/v", "musicvolume", "/t", "REG_DWORD", "/d", "90", "/f"}, copy.environment()).exitCode, 0);
    ChildProcess run;
    run.pid = startProgram(copy, {});
    ASSERT_GT(run.pid, 0);
    std::this_thread::sleep_for(std::chrono::seconds(3));
    ProgramRun other = runProgram(tool, {"add", key, "/v", "quiz", "/t", "REG_DWORD", "/d", "0", "/f"}, copy.environment());
    ASSERT_EQ(other.exitCode, 0) << other.err;
    ASSERT_EQ(runProgram(tool, {"add", key, "/v", "musicvolume", "/t", "REG_DWORD", "/d", "30", "/f"}, copy.environment()).exitCode, 0);
    kill(run.pid, SIGTERM);
    int status = run.wait(std::chrono::seconds(20));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(runProgram(tool, {"query", key}, copy.environment()).out,
              "HKEY_CURRENT_USER\\Software\\Vorniquel\\Tavrin\n    musicvolume    REG_DWORD    0x1e\n"
              "    quiz    REG_DWORD    0x0\n");
}

// Without its font the program asks fc-match for a system font. One that never answers, with a child of
// its own keeping its output open, is given two seconds and ended with that child; the window opens and
// the log says what fc-match did.
TEST(RealProgram, AnFcMatchThatNeverAnswersIsEndedAndTheWindowOpens)
{
    RunCopy copy;
    std::filesystem::remove(copy.run() / "g" / "KOMIKATA.TTF");
    const std::filesystem::path fakes = copy.dir.path / "fakes", pids = copy.dir.path / "pids";
    std::filesystem::create_directory(fakes);
    std::ofstream(fakes / "fc-match") << "#!/bin/sh\nsleep 1000 & echo $$ $! > '" << pids.string() << "'\nwait\n";
    std::filesystem::permissions(fakes / "fc-match", std::filesystem::perms::owner_all);
    ChildProcess run;
    run.pid = startProgram(copy, {"PATH=" + fakes.string() + ":" + getenv("PATH")});
    ASSERT_GT(run.pid, 0);
    EXPECT_FALSE(findProgramWindow(std::chrono::seconds(15)).empty());
    EXPECT_NE(copy.log().find("\n \xB7 No system font could stand in (fc-match gave no answer within 2 seconds): the menu "
                              "shows no text\n"),
              std::string::npos)
        << copy.log();
    std::istringstream started(readFile(pids));
    int count = 0;
    for (pid_t pid; started >> pid; ++count)
        EXPECT_TRUE(eventually([pid] { return !processRunning(pid); }, std::chrono::seconds(2))) << pid << " outlived its time";
    EXPECT_EQ(count, 2);
    kill(run.pid, SIGTERM);
    int status = run.wait(std::chrono::seconds(20));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}
