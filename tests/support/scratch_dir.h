// scratch_dir.h -- a fresh temporary directory that a test works in and that is removed afterwards
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

struct ScratchDir {
    std::filesystem::path path;
    std::filesystem::path previous;

    ScratchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavrin-test-XXXXXX").string();
        path = mkdtemp(pattern.data());
        previous = std::filesystem::current_path();
    }
    ~ScratchDir()
    {
        std::filesystem::current_path(previous);
        std::error_code ignored;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path, ignored);
    }
    void enter() const { std::filesystem::current_path(path); }
};

inline std::string readFile(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
