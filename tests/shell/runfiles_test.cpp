// runfiles_test.cpp -- where the run-time files and the log are found when the program starts elsewhere
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "environment.h"
#include "real_program.h"
#include "base/log.h"
#include "platform/places.h"
#include "shell/runfiles.h"

namespace fs = std::filesystem;

namespace {

void makeRunTimeFolders(const fs::path &folder)
{
    for (const char *name : {"g", "g1", "snd"}) fs::create_directories(folder / name);
}

}  // namespace

TEST(RunTimeFiles, AreFoundBesideTheExecutableOrInTheInstalledDataFolder)
{
    ScratchDir dir;
    fs::path build = dir.path / "build" / "run";
    makeRunTimeFolders(build);
    EXPECT_EQ(runTimeFilesFor(build.string()), build.string());

    // The installed layout: executables in a private folder, the data where the build placed it.
    fs::path executables = dir.path / "usr" / "lib" / "games" / "tavrin";
    fs::create_directories(executables);
    EXPECT_EQ(runTimeFilesFor(executables.string()), "");
    fs::path data = fs::weakly_canonical(executables / installedDataPath);
    EXPECT_EQ(data.string().rfind(dir.path.string(), 0), 0u) << data << " lies outside the installed tree";
    makeRunTimeFolders(data);
    EXPECT_EQ(runTimeFilesFor(executables.string()), data.string());

    // A folder missing any one of the three does not count.
    fs::remove(data / "g1");
    EXPECT_FALSE(holdsRunTimeFiles(data.string()));
    EXPECT_EQ(runTimeFilesFor(executables.string()), "");
}

TEST(RunTimeFiles, StateFolderFollowsXdgStateHomeOrHomeAndIsTheUsersAlone)
{
    ScratchDir dir;
    std::array<char, 4096> folder{};
    {
        EnvironmentSetting state("XDG_STATE_HOME", (dir.path / "state").string());
        ASSERT_TRUE(stateDirectory(folder.data(), folder.size()));
        EXPECT_EQ(std::string(folder.data()), (dir.path / "state" / "tavrin").string());
    }
    {
        // A relative XDG_STATE_HOME is ignored; the folders are made as needed.
        EnvironmentSetting state("XDG_STATE_HOME", "relative/state");
        EnvironmentSetting home("HOME", (dir.path / "home").string());
        ASSERT_TRUE(stateDirectory(folder.data(), folder.size()));
        EXPECT_EQ(std::string(folder.data()), (dir.path / "home" / ".local" / "state" / "tavrin").string());
    }
    struct stat info;
    ASSERT_EQ(stat(folder.data(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_FALSE(stateDirectory(folder.data(), 8)) << "a path that does not fit is refused";
}

TEST(RunTimeFiles, WorkingDirectoryThatHoldsThemChangesNothing)
{
    ScratchDir dir;
    makeRunTimeFolders(dir.path);
    dir.enter();
    EnvironmentSetting state("XDG_STATE_HOME", (dir.path / "state").string());
    char problem[512] = "";
    EXPECT_TRUE(placeRunTimeFiles(problem, sizeof problem));
    EXPECT_EQ(fs::current_path(), dir.path);
    logLine("here");
    EXPECT_EQ(readFile(dir.path / "sdl.log"), "here\n");
    EXPECT_FALSE(fs::exists(dir.path / "state"));
}

TEST(RunTimeFiles, MissingEverywhereIsReportedInTheStateFoldersLog)
{
    // The test program's folder holds no run-time files, and neither does the working directory.
    ScratchDir dir;
    fs::create_directory(dir.path / "work");
    fs::current_path(dir.path / "work");
    EnvironmentSetting state("XDG_STATE_HOME", (dir.path / "state").string());
    char problem[2048] = "";
    EXPECT_FALSE(placeRunTimeFiles(problem, sizeof problem));
    EXPECT_EQ(std::string(problem).rfind(" \xB7 Couldn't find the run-time files (g/, g1/, snd/)", 0), 0u) << problem;
    EXPECT_NE(std::string(problem).find(TAVRIN_TEST_BIN_DIR), std::string::npos) << problem;
    EXPECT_EQ(fs::current_path(), dir.path / "work");
    logLine("elsewhere");
    logSetFile(nullptr);
    EXPECT_EQ(readFile(dir.path / "state" / "tavrin" / "sdl.log"), "elsewhere\n");
    EXPECT_TRUE(fs::is_empty(dir.path / "work"));
}

TEST(RunTimeFiles, StateFolderThatCannotBeMadeCostsTheLogButNeverTheWorkingDirectory)
{
    ScratchDir dir;
    dir.enter();
    EnvironmentSetting state("XDG_STATE_HOME", "/dev/null/state");  // below a file: no folder can be made
    char problem[2048] = "";
    EXPECT_FALSE(placeRunTimeFiles(problem, sizeof problem));
    logLine("lost");
    logSetFile(nullptr);
    EXPECT_TRUE(fs::is_empty(dir.path));
}

TEST(RunTimeFiles, ProgramStartedElsewhereReadsBesideItselfAndLogsInTheStateFolder)
{
    RunCopy copy;
    ScratchDir elsewhere;
    fs::path state = copy.dir.path / "state";
    EXPECT_EQ(runThenTerminate(copy, {"XDG_STATE_HOME=" + state.string()}, std::chrono::seconds(3), elsewhere.path), 0);

    std::string log = readFile(state / "tavrin" / "sdl.log");
    EXPECT_EQ(log.rfind("\n\ntavrin.exe started ---", 0), 0u) << log;
    EXPECT_NE(log.find(" frames per second\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("Couldn't"), std::string::npos) << log;
    EXPECT_TRUE(fs::is_empty(elsewhere.path));
    EXPECT_FALSE(fs::exists(copy.run() / "sdl.log"));
}

// With nowhere to keep the log or the store, the program still plays; what is lost is said once, in the
// log when it can be written and on standard error when it cannot.
TEST(RunTimeFiles, NowhereToWriteIsSaidOnceInTheLogOrOnStandardError)
{
    RunCopy copy;
    ScratchDir elsewhere;
    const fs::path file = copy.dir.path / "a-file";
    { std::ofstream(file) << "not a folder"; }
    const fs::path longName = copy.dir.path / std::string(300, 'n');
    const fs::path state = copy.dir.path / "state";
    struct Case {
        fs::path stateHome, configHome;
        std::vector<std::string> lines;
        bool onStandardError;  // or in the state folder's log
    } cases[] = {
        {file, longName,
         {"No log is kept this run: the folder \"" + file.string() + "/tavrin\" cannot be made (Not a directory)",
          "store: cannot be created (File name too long), so nothing is kept: \"" + longName.string() +
              "/tavrin/registry.db\""},
         true},
        {state, file,
         {"store: cannot be created (Not a directory), so nothing is kept: \"" + file.string() + "/tavrin/registry.db\""},
         false},
    };
    for (const Case &c : cases) {
        Launch launch{{(copy.run() / "tavrin").string()},
                      {"XDG_STATE_HOME=" + c.stateHome.string(), "XDG_CONFIG_HOME=" + c.configHome.string(),
                       "SDL_AUDIODRIVER=dummy"},
                      elsewhere.path};
        launch.errors = copy.dir.path / "stderr";
        pid_t pid = startProcess(launch);
        std::this_thread::sleep_for(std::chrono::seconds(3));
        kill(pid, SIGTERM);
        EXPECT_EQ(exitCodeWithin(pid, std::chrono::seconds(20)), 0);
        const std::string errors = readFile(launch.errors), log = readFile(state / "tavrin" / "sdl.log");
        for (const std::string &line : c.lines) {
            const std::string &said = c.onStandardError ? errors : log;
            const std::string whole = (c.onStandardError ? "tavrin: " : " \xB7 ") + line + "\n";
            size_t at = said.find(whole);
            EXPECT_NE(at, std::string::npos) << said;
            EXPECT_EQ(said.find(whole, at + 1), std::string::npos) << "said once: " << line;
        }
        if (!c.onStandardError) {
            EXPECT_EQ(errors.find("tavrin: "), std::string::npos) << errors;
        }
        EXPECT_TRUE(fs::is_empty(elsewhere.path));
    }
}
