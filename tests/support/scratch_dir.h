// scratch_dir.h -- a fresh temporary directory that a test works in and that is removed afterwards
#pragma once

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

struct ScratchDir {
    std::filesystem::path path;
    std::filesystem::path previous;

    explicit ScratchDir(const std::string &prefix = "tavrin-test")
    {
        // A name no other test has taken; create_directory fails on one that exists, so the loop ends on
        // a folder of our own. Portable, so the store's tests build for Windows too.
        auto seed = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
        for (unsigned attempt = 0;; ++attempt) {
            path = std::filesystem::temp_directory_path() /
                   (prefix + "-" + std::to_string(seed % 1000000007ULL) + "-" + std::to_string(attempt));
            std::error_code error;
            if (std::filesystem::create_directory(path, error)) break;
        }
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, std::filesystem::perm_options::replace);
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
