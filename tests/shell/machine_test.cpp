// machine_test.cpp -- the processor and memory lines of the log, from a processor source of the test's own
#include <gtest/gtest.h>

#include <sys/sysinfo.h>

#include <regex>
#include <string>

#include "scratch_dir.h"
#include "platform/machine.h"
#include "shell/diagnostics.h"

namespace {

const char *const xeonBlock =
    "processor\t: 0\n"
    "vendor_id\t: GenuineIntel\n"
    "cpu family\t: 6\n"
    "model\t\t: 85\n"
    "model name\t:         Intel(R) Xeon(R) Gold 6148 CPU @ 2.40GHz  \n"
    "stepping\t: 4\n"
    "cpu MHz\t\t: 2399.996\n"
    "flags\t\t: fpu vme de pse\n"
    "\n"
    "processor\t: 1\n"
    "vendor_id\t: SomeoneElse\n"
    "model name\t: Second Processor\n"
    "cpu MHz\t\t: 800.000\n"
    "\n";

// A scratch directory to work in, holding a fake root with the given cpuinfo text (none when null).
class ProcessorSourceTest : public ::testing::Test {
protected:
    void SetUp() override { dir.enter(); }
    void TearDown() override { setProcessorSource(nullptr); }
    void useCpuInfo(const char *text, const char *cpufreqKhz = nullptr)
    {
        std::filesystem::path root = dir.path / "root";
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "proc");
        if (text) std::ofstream(root / "proc" / "cpuinfo", std::ios::binary) << text;
        if (cpufreqKhz) {
            std::filesystem::path cpufreq = root / "sys/devices/system/cpu/cpu0/cpufreq";
            std::filesystem::create_directories(cpufreq);
            std::ofstream(cpufreq / "cpuinfo_max_freq") << cpufreqKhz;
        }
        setProcessorSource(root.c_str());
    }
    std::string log() const { return readFile(dir.path / "sdl.log"); }
    ScratchDir dir;
};

// The first processor's name loses its leading blanks and keeps its end, missing values leave their parts
// empty, long ones are cut, and cpufreq's clock, where there is one, is preferred to cpuinfo's current one.
TEST_F(ProcessorSourceTest, ProcessorLinesShowTheFirstProcessorOrNothingWithoutASource)
{
    const std::string xeonLine =
        " \xB7 Intel(R) Xeon(R) Gold 6148 CPU @ 2.40GHz   (Family 6 Model 85 Stepping 4, GenuineIntel)\n";
    const std::string longValues =
        "model name\t: " + std::string(400, 'N') + "\nvendor_id\t: " + std::string(300, 'V') + "\n";
    const struct {
        const char *name;
        const char *cpuinfo;  // none when null
        const char *cpufreqKhz;
        std::string log;  // empty: no log file at all
    } cases[] = {
        {"current clock", xeonBlock, nullptr, xeonLine + " \xB7 CPU Speed: 2400 Mhz\n"},
        {"cpufreq's clock", xeonBlock, "3700000\n", xeonLine + " \xB7 CPU Speed: 3700 Mhz\n"},
        {"missing values", "processor\t: 0\nBogoMIPS\t: 50.00\n\nprocessor\t: 1\nmodel name\t: Not The First\n",
         nullptr, " \xB7  ()\n \xB7 CPU Speed: 0 Mhz\n"},
        {"long values", longValues.c_str(), nullptr,
         " \xB7 " + std::string(127, 'N') + " (" + std::string(127, 'V') + ")\n \xB7 CPU Speed: 0 Mhz\n"},
        {"no source", nullptr, nullptr, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dir.path / "sdl.log");
        useCpuInfo(c.cpuinfo, c.cpufreqKhz);
        logCpuInfo();
        EXPECT_EQ(std::filesystem::exists(dir.path / "sdl.log"), !c.log.empty());
        EXPECT_EQ(log(), c.log);
    }
}

TEST_F(ProcessorSourceTest, AvailableMemoryIsTheKernelsEstimateWithTheReclaimableCache)
{
    useCpuInfo(nullptr);
    std::ofstream(dir.path / "root" / "proc" / "meminfo") << "MemTotal:       16303412 kB\n"
                                                             "MemFree:          512000 kB\n"
                                                             "MemAvailable:   12582912 kB\n"
                                                             "Buffers:          204800 kB\n";
    logMemoryInfo();
    EXPECT_EQ(log(), " \xB7 System memory total/available: 15921Mb / 12288Mb\n");
}

TEST(MemoryLine, CountsWholeMebibytesInSixtyFourBits)
{
    char line[128];
    formatMemoryLine(line, sizeof line, 1ull << 30, (1ull << 20) - 1);
    EXPECT_STREQ(line, " \xB7 System memory total/available: 1024Mb / 0Mb");
    formatMemoryLine(line, sizeof line, 24ull << 30, (5ull << 30) + (3ull << 20) + 12345);
    EXPECT_STREQ(line, " \xB7 System memory total/available: 24576Mb / 5123Mb");
}

TEST(MemoryLine, ThisMachinesMemoryIsLogged)
{
    ScratchDir dir;
    dir.enter();
    logMemoryInfo();
    std::smatch match;
    std::string log = readFile(dir.path / "sdl.log");
    ASSERT_TRUE(std::regex_match(log, match, std::regex(" \xB7 System memory total/available: ([0-9]+)Mb / ([0-9]+)Mb\n")))
        << log;
    struct sysinfo status {};
    ASSERT_EQ(sysinfo(&status), 0);
    unsigned long long total = static_cast<unsigned long long>(status.totalram) * status.mem_unit >> 20;
    EXPECT_EQ(std::stoull(match[1]), total);
    EXPECT_LE(std::stoull(match[2]), total);
}

}  // namespace
