// machine.h -- what the platform tells about the machine: the processor's description and physical memory
#pragma once

#include <array>
#include <cstdint>

// Both texts are always terminated; a part the platform does not give stays empty.
struct ProcessorInfo {
    std::array<char, 128> name;
    std::array<char, 128> identifier;  // e.g. "Family 6 Model 85 Stepping 7, GenuineIntel"
    int mhz;                           // 0 when unknown
};

struct MemoryInfo {
    uint64_t totalBytes;
    uint64_t availableBytes;
};

// Fills `info` from the platform's processor description; false when there is none to read.
bool readProcessorInfo(ProcessorInfo *info);

// Fills `info` with the physical memory in bytes; false when the platform cannot say.
bool readMemoryInfo(MemoryInfo *info);

// Where the processor description is read from: on POSIX a root directory under which proc/cpuinfo,
// sys/devices/system/cpu/cpu0/cpufreq/ and, for the memory, proc/meminfo are looked for ("/"), on Windows the key under HKEY_LOCAL_MACHINE
// ("Hardware\Description\System\CentralProcessor\0"). Null restores the default. Tests point it elsewhere.
void setProcessorSource(const char *source);
