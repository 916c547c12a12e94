// forest.h -- the task table of "erdei kalandok"
#pragma once

#include "../common/tasks.h"

const GameDef &forestDefinition();
