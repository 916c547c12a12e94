// places_test.cpp -- on Windows the executable's folder comes from the wide call, and nothing moves
#include <gtest/gtest.h>

#include <array>
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
    std::array<char, 1024> folder{};
    EXPECT_FALSE(stateDirectory(folder.data(), folder.size()));
}
