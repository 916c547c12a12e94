// town.h -- the task table of "városi kalandok"
#pragma once

#include "../common/tasks.h"

const GameDef &townDefinition();
