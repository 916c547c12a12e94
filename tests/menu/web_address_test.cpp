// web_address_test.cpp -- a logo's address reaches the desktop's handler as one word, with no shell between
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "environment.h"
#include "menu/menu.h"
#include "scratch_dir.h"

TEST(WebAddress, ReachesTheHandlerAsOneArgumentAndLeavesNoChildBehind)
{
    ScratchDir scratch("tavrin-open");
    const std::filesystem::path &dir = scratch.path;
    std::filesystem::path seen = dir / "seen";
    std::filesystem::path handler = dir / "xdg-open";
    {
        // A stand-in handler that writes down how many arguments it got and what they were.
        std::ofstream script(handler);
        script << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" << seen.string() << ".tmp'\nmv '" << seen.string()
               << ".tmp' '" << seen.string() << "'\n";
    }
    chmod(handler.c_str(), 0755);
    // Characters a shell would act on must arrive untouched.
    std::string address = "https://tavrin.hu/a b;touch " + (dir / "pwned").string() + "&x=$(id)`id`";
    {
        EnvironmentSetting path("PATH", dir.string() + ":" + (getenv("PATH") ? getenv("PATH") : ""));
        resetMenuHooks();
        openWebAddress(address.c_str());
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!std::filesystem::exists(seen) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    EXPECT_EQ(readFile(seen), "1\n" + address + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "pwned"));
    // The middle child has been reaped and the handler belongs to init: nothing is left to wait for.
    int status = 0;
    EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}
