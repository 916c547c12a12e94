// module_host.cpp -- stand-in: a host that never loads a module
#include "modules/modules.h"

GameModule gameModule;

void startGameModule(int) {}
void endModuleIfFinished(int) {}
