// machine.cpp -- the processor's description from /proc/cpuinfo and cpufreq, physical memory from sysinfo(2)
#include "platform/machine.h"

#include <sys/sysinfo.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
static std::string processorRoot = "/";

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
// Reads at most `limit` bytes of a file; false when it cannot be opened. Files under /proc report no
// size, so the text is read until its end rather than sized beforehand.
static bool readText(const std::string &path, std::string *text, size_t limit)
{
    FILE *file = fopen(path.c_str(), "rb");
    if (!file) return false;
    text->clear();
    char chunk[4096];
    size_t got = 0;
    while (text->size() < limit && (got = fread(chunk, 1, sizeof chunk, file)) > 0) text->append(chunk, got);
    fclose(file);
    if (text->size() > limit) text->resize(limit);
    return true;
}

// The line that begins at *start, without its line feed; *start moves on to the next one. False at the end.
static bool nextLine(std::string_view text, size_t *start, std::string_view *line)
{
    if (*start >= text.size()) return false;
    size_t end = text.find('\n', *start);
    if (end == std::string_view::npos) end = text.size();
    *line = text.substr(*start, end - *start);
    *start = end + 1;
    return true;
}

// The value of the first "key<tabs>: value" line of the first processor's block, without the one space
// that follows the colon; the value's own blanks are kept. Empty view when the key is absent.
static std::string_view cpuInfoValue(std::string_view text, std::string_view key, bool *found)
{
    *found = false;
    size_t start = 0;
    std::string_view line;
    while (nextLine(text, &start, &line)) {
        if (line.empty()) break;  // a blank line ends the first processor's block
        size_t colon = line.find(':');
        if (colon == std::string_view::npos) continue;
        std::string_view name = line.substr(0, colon);
        while (!name.empty() && (name.back() == '\t' || name.back() == ' ')) name.remove_suffix(1);
        if (name != key) continue;
        std::string_view value = line.substr(colon + 1);
        if (!value.empty() && value.front() == ' ') value.remove_prefix(1);
        *found = true;
        return value;
    }
    return {};
}

static void copyBounded(std::array<char, 128> &target, std::string_view text)
{
    size_t length = text.size() < target.size() - 1 ? text.size() : target.size() - 1;
    text.copy(target.data(), length);
    target[length] = '\0';
}

// The value in kibibytes of a "Name:   1234 kB" line of /proc/meminfo.
static bool meminfoKib(std::string_view text, std::string_view name, uint64_t *kib)
{
    size_t start = 0;
    std::string_view line;
    while (nextLine(text, &start, &line)) {
        if (line.size() <= name.size() || line.substr(0, name.size()) != name || line[name.size()] != ':') continue;
        std::string value(line.substr(name.size() + 1));
        char *after = nullptr;
        unsigned long long parsed = strtoull(value.c_str(), &after, 10);
        if (after == value.c_str()) return false;
        *kib = parsed;
        return true;
    }
    return false;
}

// The clock in megahertz from cpufreq (kilohertz), or 0 when there is none.
static int cpufreqMhz()
{
    std::string text;
    if (!readText(processorRoot + "sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq", &text, 64)) return 0;
    long khz = strtol(text.c_str(), nullptr, 10);
    if (khz <= 0 || khz > 1000000000L) return 0;
    return static_cast<int>(khz / 1000);
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void setProcessorSource(const char *source)
{
    processorRoot = source ? source : "/";
    if (processorRoot.empty() || processorRoot.back() != '/') processorRoot += '/';
}

bool readProcessorInfo(ProcessorInfo *info)
{
    *info = ProcessorInfo{};
    std::string text;
    if (!readText(processorRoot + "proc/cpuinfo", &text, 256 * 1024)) return false;

    bool found = false;
    copyBounded(info->name, cpuInfoValue(text, "model name", &found));

    bool hasFamily = false, hasModel = false, hasStepping = false, hasVendor = false;
    std::string family(cpuInfoValue(text, "cpu family", &hasFamily));
    std::string model(cpuInfoValue(text, "model", &hasModel));
    std::string stepping(cpuInfoValue(text, "stepping", &hasStepping));
    std::string vendor(cpuInfoValue(text, "vendor_id", &hasVendor));
    std::string identifier;
    if (hasFamily && hasModel && hasStepping) {
        identifier = "Family " + family + " Model " + model + " Stepping " + stepping;
        if (hasVendor) identifier += ", " + vendor;
    } else if (hasVendor) {
        identifier = vendor;
    }
    copyBounded(info->identifier, identifier);

    info->mhz = cpufreqMhz();
    if (info->mhz == 0) {
        std::string clock(cpuInfoValue(text, "cpu MHz", &found));
        double mhz = found ? strtod(clock.c_str(), nullptr) : 0;
        if (mhz > 0 && mhz < 1e9) info->mhz = static_cast<int>(std::lround(mhz));
    }
    return true;
}

bool readMemoryInfo(MemoryInfo *info)
{
    *info = MemoryInfo{};
    // The kernel's own estimate of what can be had without swapping counts the cache it can reclaim,
    // which on a machine that has run a while is most of what sysinfo calls used.
    std::string text;
    if (readText(processorRoot + "proc/meminfo", &text, 64 * 1024)) {
        uint64_t totalKib = 0, availableKib = 0;
        bool hasTotal = meminfoKib(text, "MemTotal", &totalKib);
        if (hasTotal && meminfoKib(text, "MemAvailable", &availableKib)) {
            info->totalBytes = totalKib * 1024;
            info->availableBytes = availableKib * 1024;
            return true;
        }
    }
    // Kernels before 3.14 have no MemAvailable: free memory plus buffers is the nearest sysinfo gives.
    struct sysinfo status {};
    if (sysinfo(&status) != 0) return false;
    uint64_t unit = status.mem_unit ? status.mem_unit : 1;
    info->totalBytes = static_cast<uint64_t>(status.totalram) * unit;
    info->availableBytes = (static_cast<uint64_t>(status.freeram) + status.bufferram) * unit;
    return true;
}
