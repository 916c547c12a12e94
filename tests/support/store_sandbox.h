// store_sandbox.h -- the store pointed at a fresh folder of a test's own, closed and removed afterwards
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "scratch_dir.h"
#include "tavrin/store.h"

// The settings folder (XDG_CONFIG_HOME) is the scratch folder itself or, with a subfolder name, a folder
// in it; the next store access opens the store there.
struct StoreSandbox {
    ScratchDir dir;
    std::filesystem::path config;

    explicit StoreSandbox(const std::string &prefix = "tavrin-store", const char *configFolder = nullptr)
        : dir(prefix), config(configFolder ? dir.path / configFolder : dir.path)
    {
        std::filesystem::create_directories(config);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        storeCloseStore();
    }
    ~StoreSandbox() { storeCloseStore(); }
};
