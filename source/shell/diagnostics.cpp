// diagnostics.cpp -- stand-in: the machine probes write nothing yet
#include "shell/shell.h"

void logCpuInfo() {}
void logMemoryInfo() {}
void probeVideoCard() {}
