// store_env_posix.cpp -- each test process gets its own store folder, so tests never meet the user's store
#include "store_env.h"

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace {
struct PrivateFolder {
    std::string path;
    ~PrivateFolder()
    {
        if (path.empty()) return;
        storeCloseStore();
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};
}

void usePrivateStore()
{
    static PrivateFolder privateFolder;
    std::string &folder = privateFolder.path;
    if (folder.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavrin-store-XXXXXX").string();
        if (!mkdtemp(pattern.data())) return;
        folder = pattern;
    }
    const char *current = getenv("XDG_CONFIG_HOME");
    if (!current || folder != current) {
        setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
        storeCloseStore();
    }
}
