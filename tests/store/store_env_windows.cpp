// store_env_windows.cpp -- on Windows the tests use the user's registry as it is: nothing to set up
#include "store_env.h"

void usePrivateStore() {}
