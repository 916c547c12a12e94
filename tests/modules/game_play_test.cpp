// game_play_test.cpp -- the real program: a game started from the main menu, then Escape back to the menu
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "menu/menu.h"

extern char **environ;

namespace {

using namespace std::chrono_literals;

// Starts a program with the given environment additions, its output to /dev/null or to *outputPath.
pid_t spawn(std::vector<std::string> args, const char *directory, const std::vector<std::string> &extraEnvironment,
            const char *outputPath = "/dev/null")
{
    std::vector<std::string> environment = extraEnvironment;
    for (char **e = environ; *e; ++e) environment.push_back(*e);  // the first of a name wins
    std::vector<char *> envp, argv;
    for (std::string &e : environment) envp.push_back(e.data());
    envp.push_back(nullptr);
    for (std::string &a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (directory) posix_spawn_file_actions_addchdir_np(&actions, directory);
    posix_spawn_file_actions_addopen(&actions, 1, outputPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

// Runs xdotool to its end, asking again when the display turned the connection away; its output.
bool xdotool(const std::vector<std::string> &args, std::string *out = nullptr)
{
    char outputPath[] = "/tmp/tavrin-xdotool-XXXXXX";
    int fd = mkstemp(outputPath);
    if (fd < 0) return false;
    close(fd);
    std::vector<std::string> all = {"xdotool"};
    all.insert(all.end(), args.begin(), args.end());
    bool done = false;
    for (int attempt = 0; attempt < 10 && !done; ++attempt) {
        pid_t pid = spawn(all, nullptr, {}, outputPath);
        int status = 0;
        done = pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (!done) std::this_thread::sleep_for(50ms);
    }
    if (out) {
        std::ifstream file(outputPath);
        std::ostringstream text;
        text << file.rdbuf();
        *out = text.str();
    }
    unlink(outputPath);
    return done;
}

// Whether the program has the game's library mapped right now.
bool gameLoaded(pid_t program, int game)
{
    std::ifstream maps("/proc/" + std::to_string(program) + "/maps");
    std::string needle = "/game" + std::to_string(game) + ".so";
    for (std::string line; std::getline(maps, line);) {
        if (line.size() >= needle.size() && line.compare(line.size() - needle.size(), needle.size(), needle) == 0) {
            return true;
        }
    }
    return false;
}

// Whatever happens in the test, the program does not outlive it.
struct Program {
    pid_t pid = -1;
    bool ended = false;
    int status = 0;
    ~Program()
    {
        if (pid > 0 && !ended) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
};

template <typename Check>
bool eventually(Check check)
{
    auto deadline = std::chrono::steady_clock::now() + 15s;
    while (!check()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(100ms);
    }
    return true;
}

TEST(PlayingAGame, EachGameStartsFromItsButtonAndEscapeBringsTheMenuBack)
{
    char config[] = "/tmp/tavrin-play-XXXXXX";
    ASSERT_NE(mkdtemp(config), nullptr);
    Program run;
    run.pid = spawn({TAVRIN_RUN_DIR "/tavrin"}, TAVRIN_RUN_DIR,
                    {std::string("XDG_CONFIG_HOME=") + config, "SDL_AUDIODRIVER=dummy", "SDL_VIDEODRIVER=x11"});
    ASSERT_GT(run.pid, 0);
    const pid_t program = run.pid;

    // The program's own window (the start-up probe opens one of the same name for a moment).
    std::string window;
    ASSERT_TRUE(eventually([&] {
        std::string ids;
        if (!xdotool({"search", "--onlyvisible", "--name", "^Tavrin$"}, &ids)) return false;
        std::istringstream lines(ids);
        for (std::string id; std::getline(lines, id);) {
            std::string name;
            if (xdotool({"getwindowname", id}, &name) && name == "Tavrin\n") window = id;
        }
        return !window.empty();
    }));
    auto clickOn = [&](int buttonIndex) {
        const MenuButton &button = menuButtons[buttonIndex];
        xdotool({"mousemove", "--window", window, std::to_string(button.x + 160), std::to_string(button.y + 30)});
        xdotool({"click", "1"});
    };
    auto pressEscape = [&] { xdotool({"key", "--window", window, "Escape"}); };

    // The buttons slide in for a while after the start and after each game.
    std::this_thread::sleep_for(2500ms);
    clickOn(btnPlayerA);
    std::this_thread::sleep_for(2500ms);
    const int buttons[] = {btnForest, btnCity};
    for (int game = 1; game <= 2; ++game) {
        clickOn(buttons[game - 1]);
        EXPECT_TRUE(eventually([&] { return gameLoaded(program, game); })) << "game " << game << " starts";
        std::this_thread::sleep_for(500ms);
        pressEscape();
        EXPECT_TRUE(eventually([&] { return !gameLoaded(program, game); })) << "game " << game << " ends";
        std::this_thread::sleep_for(2500ms);
    }

    // The program ends cleanly from the menu.
    kill(program, SIGTERM);
    EXPECT_TRUE(eventually([&] { return run.ended = waitpid(program, &run.status, WNOHANG) == program; }));
    EXPECT_TRUE(run.ended && WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0) << run.status;
    std::filesystem::remove_all(config);
}

}  // namespace
