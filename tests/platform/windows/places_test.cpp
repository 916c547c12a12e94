// places_test.cpp -- on Windows the executable's folder comes from the wide call, the log stays beside the
// run-time files, and the state folder is the user's local application data
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

#include "platform/places.h"
#include "test_directory.h"

TEST(ProgramPlaces, ExecutableDirectoryIsTheFolderTheProgramRunsFrom)
{
    std::array<char, 1024> folder{};
    ASSERT_TRUE(executableDirectory(folder.data(), folder.size()));
    std::string directory = folder.data();
    EXPECT_TRUE(fileExists(directory + "\\windows_places_tests.exe")) << directory;
    EXPECT_NE(directory.back(), '\\');
    EXPECT_FALSE(executableDirectory(folder.data(), directory.size())) << "no room for the terminator";
    EXPECT_TRUE(executableDirectory(folder.data(), directory.size() + 1));
}

TEST(ProgramPlaces, TheStateFolderIsMadeInTheLocalApplicationDataAndTheLogStaysBesideTheFiles)
{
    EXPECT_TRUE(logBesideRunTimeFiles);
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
