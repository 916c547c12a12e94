// desktop_test.cpp -- the message box waits for OK with its title and text intact; addresses reach the shell
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "platform/desktop.h"
#include "test_directory.h"

namespace {

// Waits up to a minute for a top-level dialog with this title: the first window of a new Wine prefix
// takes a while.
HWND findDialog(const wchar_t *title)
{
    for (int i = 0; i < 1200; i++) {
        HWND dialog = FindWindowW(L"#32770", title);
        if (dialog) return dialog;
        Sleep(50);
    }
    return nullptr;
}

TEST(DesktopMessageBox, ShowsTitleAndTextAndWaitsUntilOkIsPressed)
{
    // UTF-8 in, and the same letters on screen whatever the system's code page.
    const char *title = "Tavrin: hib\xC3\xA1";
    const char *text = "A hangk\xC3\xA1rtya nem indul. \xC5\x90r\xC3\xBClt t\xC3\xBCk\xC3\xB6r.";
    std::atomic<bool> returned{false};
    std::thread box([&] {
        showMessageBox(title, text);
        returned = true;
    });
    HWND dialog = findDialog(L"Tavrin: hib\u00E1");
    if (!dialog) {
        box.detach();
        FAIL() << "no message box appeared";
    }
    std::array<wchar_t, 256> shown{};
    // The message box shows its text in a static control of this number.
    GetDlgItemTextW(dialog, 0xFFFF, shown.data(), static_cast<int>(shown.size()));
    EXPECT_STREQ(shown.data(), L"A hangk\u00E1rtya nem indul. \u0150r\u00FClt t\u00FCk\u00F6r.");
    Sleep(200);
    EXPECT_FALSE(returned) << "the call must wait for the box to be dismissed";

    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    box.join();
    EXPECT_TRUE(returned);
}

// A small program stands for the address: started through the shell, it leaves a file saying it ran.
TEST(DesktopAddress, AnAddressGoesToItsHandlerWithoutWaiting)
{
    std::string directory = executableDirectory();
    std::string marker = directory + "\\address-opened.txt";
    DeleteFileA(marker.c_str());

    auto start = std::chrono::steady_clock::now();
    openAddress((directory + "\\address_target.exe").c_str());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    bool opened = false;
    for (int i = 0; i < 200 && !opened; i++) {
        opened = fileExists(marker);
        if (!opened) Sleep(50);
    }
    EXPECT_TRUE(opened);
    DeleteFileA(marker.c_str());
}

}  // namespace
