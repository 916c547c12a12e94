// places_test.cpp -- on Windows the executable's folder comes from the wide call, the run-time files and the
// log stay put, and the state folder is the user's local application data
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

#include "platform/places.h"
#include "test_directory.h"

TEST(ProgramPlaces, ExecutableDirectoryIsTheFolderTheLoaderUses)
{
    std::array<char, 1024> folder{};
    ASSERT_TRUE(executableDirectory(folder.data(), folder.size()));
    std::string directory = folder.data();
    // For a plain path the wide call and the loader's ANSI one agree.
    EXPECT_EQ(directory, executableDirectory());
    EXPECT_NE(directory.back(), '\\');
    EXPECT_FALSE(executableDirectory(folder.data(), directory.size())) << "no room for the terminator";
    EXPECT_TRUE(executableDirectory(folder.data(), directory.size() + 1));
}

TEST(ProgramPlaces, RunTimeFilesAndTheLogStayInTheWorkingDirectory)
{
    EXPECT_FALSE(runTimeFilesFollowExecutable);
}

TEST(ProgramPlaces, TheStateFolderIsMadeInTheLocalApplicationData)
{
    std::array<char, 1024> folder{};
    ASSERT_TRUE(stateDirectory(folder.data(), folder.size()));
    std::string directory = folder.data();
    const char *local = getenv("LOCALAPPDATA");
    ASSERT_TRUE(local);
    EXPECT_EQ(directory, std::string(local) + "\\Tavrin");
    DWORD attributes = GetFileAttributesA(directory.c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_FALSE(stateDirectory(folder.data(), directory.size())) << "no room for the terminator";
}
