// diagnostics.h -- the start-up lines that describe the machine: processor, memory, video card
#pragma once

#include <SDL/SDL.h>
#include <cstddef>

void logCpuInfo();
void logMemoryInfo();
void probeVideoCard();
// The memory line for the given byte counts, in whole mebibytes.
void formatMemoryLine(char *buffer, size_t size, Uint64 totalBytes, Uint64 availableBytes);
