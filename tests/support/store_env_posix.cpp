// store_env_posix.cpp -- each test process gets its own store folder, so tests never meet the user's store
#include "store_env.h"

#include <memory>

#include "store_sandbox.h"

void usePrivateStore()
{
    static std::unique_ptr<StoreSandbox> sandbox;
    if (!sandbox) {
        sandbox = std::make_unique<StoreSandbox>();
        return;
    }
    const char *current = getenv("XDG_CONFIG_HOME");
    if (!current || sandbox->config != current) {
        setenv("XDG_CONFIG_HOME", sandbox->config.c_str(), 1);
        storeCloseStore();
    }
}
