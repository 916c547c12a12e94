// library_test.cpp -- game module libraries through LoadLibraryA: the four exports called, and the failures
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "platform/library.h"
#include "test_directory.h"

namespace {

typedef void (*BlitFn)(void *image, int x, int y);
typedef void (*ClipFn)(void *rect);
typedef void (*FillFn)(void *rect, int r, int g, int b);
typedef int (*SetSlotFn)(int slot);
typedef int (*DrawScreenFn)(BlitFn blit, ClipFn clip, FillFn fill);
typedef int (*EventFn)(void *event);

std::vector<std::string> serviceCalls;

void recordBlit(void *image, int x, int y)
{
    serviceCalls.push_back("blit " + std::to_string(image != nullptr) + " " + std::to_string(x) + " " + std::to_string(y));
}
void recordClip(void *rect) { serviceCalls.push_back("clip " + std::to_string(rect != nullptr)); }
void recordFill(void *rect, int r, int g, int b)
{
    serviceCalls.push_back("fill " + std::to_string(rect != nullptr) + " " + std::to_string(r) + " " +
                           std::to_string(g) + " " + std::to_string(b));
}

template <typename Fn> Fn symbol(void *library, const char *name)
{
    return reinterpret_cast<Fn>(librarySymbol(library, name));
}

class ModuleLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        modules = executableDirectory() + "\\modules";
        serviceCalls.clear();
    }
    void TearDown() override
    {
        librarySetDirectory(nullptr);
        SetCurrentDirectoryA(executableDirectory().c_str());
    }
    void *open(const char *kind)
    {
        librarySetDirectory((modules + "\\" + kind).c_str());
        reason.fill('\0');
        return libraryOpen("game1.dll", reason.data(), reason.size());
    }
    std::string modules;
    std::array<char, 512> reason{};
};

TEST_F(ModuleLibrary, TheDefaultDirectoryIsTheExecutablesOwn)
{
    std::string directory = executableDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(directory.back(), '\\');
    EXPECT_TRUE(fileExists(directory + "\\windows_tests.exe")) << directory;
    EXPECT_STREQ(librarySuffix, ".dll");
}

TEST_F(ModuleLibrary, AllFourExportsAreFoundAndCalledWithTheirArguments)
{
    void *library = open("full");
    ASSERT_NE(library, nullptr) << reason.data();
    auto setslot = symbol<SetSlotFn>(library, "setslot");
    auto drawscreen = symbol<DrawScreenFn>(library, "drawscreen");
    auto mouseevent = symbol<EventFn>(library, "mouseevent");
    auto keyevent = symbol<EventFn>(library, "keyevent");
    ASSERT_TRUE(setslot && drawscreen && mouseevent && keyevent);

    EXPECT_EQ(setslot(1), 0);
    EXPECT_EQ(drawscreen(recordBlit, recordClip, recordFill), 0);
    EXPECT_EQ(serviceCalls, (std::vector<std::string>{"clip 0", "blit 0 101 200", "fill 0 1 2 3"}));

    // An event record of some size, with its type in the first byte.
    std::array<unsigned char, 64> event{};
    event[0] = 5;
    EXPECT_EQ(mouseevent(event.data()), 5);
    event[0] = 2;
    EXPECT_EQ(keyevent(event.data()), 1002);

    // Player C ends the game at the next frame.
    setslot(2);
    EXPECT_EQ(drawscreen(recordBlit, recordClip, recordFill), 1);
    libraryClose(library);
}

TEST_F(ModuleLibrary, ClosingUnloadsSoTheNextOpeningStartsAfresh)
{
    void *library = open("full");
    ASSERT_NE(library, nullptr) << reason.data();
    symbol<SetSlotFn>(library, "setslot")(2);
    libraryClose(library);
    EXPECT_EQ(GetModuleHandleA((modules + "\\full\\game1.dll").c_str()), nullptr);

    library = open("full");
    ASSERT_NE(library, nullptr) << reason.data();
    symbol<DrawScreenFn>(library, "drawscreen")(recordBlit, recordClip, recordFill);
    EXPECT_EQ(serviceCalls.at(1), "blit 0 99 200");  // the slot is back to none
    libraryClose(library);
}

TEST_F(ModuleLibrary, AnExportThatIsMissingIsNullAndTheOthersStillResolve)
{
    void *library = open("partial");
    ASSERT_NE(library, nullptr) << reason.data();
    EXPECT_NE(librarySymbol(library, "setslot"), nullptr);
    EXPECT_NE(librarySymbol(library, "drawscreen"), nullptr);
    EXPECT_NE(librarySymbol(library, "mouseevent"), nullptr);
    EXPECT_EQ(librarySymbol(library, "keyevent"), nullptr);
    EXPECT_EQ(librarySymbol(library, "KEYEVENT"), nullptr);
    EXPECT_EQ(librarySymbol(library, ""), nullptr);
    libraryClose(library);
    // Nothing to look up in or to close without a library.
    EXPECT_EQ(librarySymbol(nullptr, "setslot"), nullptr);
    libraryClose(nullptr);
}

TEST_F(ModuleLibrary, AMissingLibraryFailsWithItsFullPathInTheReason)
{
    EXPECT_EQ(open("missing"), nullptr);
    std::string expected = modules + "\\missing\\game1.dll: ";
    std::string text = reason.data();
    EXPECT_EQ(text.compare(0, expected.size(), expected), 0) << text;
    EXPECT_GT(text.size(), expected.size()) << "no reason after the path";
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << "the reason must stay on one line";
}

TEST_F(ModuleLibrary, AFileThatIsNoLibraryFailsWithAOneLineReason)
{
    EXPECT_EQ(open("corrupt"), nullptr);
    std::string text = reason.data();
    EXPECT_NE(text.find("\\corrupt\\game1.dll: "), std::string::npos) << text;
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
    // The system's text for this failure has a place for the file's name, which must be filled.
    EXPECT_EQ(text.find("%1"), std::string::npos) << text;
}

TEST_F(ModuleLibrary, TheWorkingDirectoryIsNeverSearched)
{
    ASSERT_TRUE(SetCurrentDirectoryA((modules + "\\full").c_str()));
    void *library = open("missing");
    EXPECT_EQ(library, nullptr);
    libraryClose(library);
}

TEST_F(ModuleLibrary, ADirectoryWithATrailingSeparatorJoinsWithoutADoubleOne)
{
    librarySetDirectory((modules + "\\full\\").c_str());
    void *library = libraryOpen("game1.dll", reason.data(), reason.size());
    ASSERT_NE(library, nullptr) << reason.data();
    libraryClose(library);
}

TEST_F(ModuleLibrary, ADirectoryTooLongForAPathIsRefusedWithAReason)
{
    std::string deep = modules + "\\" + std::string(1100, 'a');
    librarySetDirectory(deep.c_str());
    EXPECT_EQ(libraryOpen("game1.dll", reason.data(), reason.size()), nullptr);
    EXPECT_STRNE(reason.data(), "");
}

}  // namespace
