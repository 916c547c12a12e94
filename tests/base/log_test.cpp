// log_test.cpp -- the log appends whole lines and never disturbs the program
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "scratch_dir.h"
#include "base/log.h"

TEST(LogFile, LinesAreAppendedWithOneLineFeedEach)
{
    ScratchDir dir;
    dir.enter();
    logLine("first");
    logLine("second\n");  // a line that ends in a line feed leaves an empty line after it
    logLine(" \xB7 dot");
    EXPECT_EQ(readFile("sdl.log"), "first\nsecond\n\n \xB7 dot\n");
}

TEST(LogFile, SecondRunKeepsTheFirstRunsLines)
{
    ScratchDir dir;
    dir.enter();
    const char *banner = "\n\ntavrin.exe started ----------------------------------------------\n\n";
    logLine(banner);
    logLine("  -> 50.00 frames per second");
    std::string firstRun = readFile("sdl.log");
    logLine(banner);
    std::string both = readFile("sdl.log");
    ASSERT_EQ(both.substr(0, firstRun.size()), firstRun);
    EXPECT_EQ(both.substr(firstRun.size()), std::string(banner) + "\n");
}

TEST(LogFile, UnwritableDirectoryIsIgnored)
{
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
    ScratchDir dir;
    dir.enter();
    chmod(dir.path.c_str(), 0500);
    logLine("lost");
    EXPECT_FALSE(std::filesystem::exists("sdl.log"));
}

TEST(LogFile, LogThatIsADirectoryIsIgnored)
{
    // Works for root too: a directory named sdl.log cannot be opened for appending.
    ScratchDir dir;
    dir.enter();
    std::filesystem::create_directory("sdl.log");
    logLine("lost");
    EXPECT_TRUE(std::filesystem::is_directory("sdl.log"));
}

TEST(LogFile, ALinkInTheLogsPlaceIsNeverFollowed)
{
    ScratchDir dir;
    dir.enter();
    std::ofstream("target") << "someone else's file\n";
    chmod("target", 0644);
    std::filesystem::create_symlink("target", "sdl.log");
    logLine("not here");
    EXPECT_EQ(readFile("target"), "someone else's file\n");
    struct stat info;
    ASSERT_EQ(stat("target", &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST(LogFile, ANamedPipeInTheLogsPlaceNeitherHoldsTheProgramNorIsWritten)
{
    ScratchDir dir;
    dir.enter();
    ASSERT_EQ(mkfifo("sdl.log", 0600), 0);
    logLine("nobody reads this");  // would wait for ever for a reader
    struct stat info;
    ASSERT_EQ(lstat("sdl.log", &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}
