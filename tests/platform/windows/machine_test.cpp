// machine_test.cpp -- physical memory in 64-bit counts and the processor's description from the registry
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <type_traits>

#include "platform/machine.h"

namespace {

// Under Wine the Linux files are on drive Z:; the kernel's own count lets the figure be checked.
uint64_t hostMemoryBytes()
{
    std::ifstream meminfo("Z:\\proc\\meminfo");
    std::string label;
    uint64_t kilobytes = 0;
    while (meminfo >> label) {
        if (label == "MemTotal:" && meminfo >> kilobytes) return kilobytes * 1024;
        meminfo.ignore(256, '\n');
    }
    return 0;
}

TEST(MachineMemory, FiguresAreSixtyFourBitCountsOfTheWholeMachine)
{
    static_assert(std::is_same<decltype(MemoryInfo::totalBytes), uint64_t>::value, "64-bit counts");
    static_assert(std::is_same<decltype(MemoryInfo::availableBytes), uint64_t>::value, "64-bit counts");
    MemoryInfo info{1, 1};
    ASSERT_TRUE(readMemoryInfo(&info));
    EXPECT_GT(info.totalBytes, 64ull << 20);
    EXPECT_GT(info.availableBytes, 0u);
    EXPECT_LE(info.availableBytes, info.totalBytes);

    uint64_t host = hostMemoryBytes();
    if (host == 0) GTEST_SKIP() << "not under Wine: no kernel figure to compare with";
    // Within one per cent: the count is of pages, and some may be held back.
    EXPECT_NEAR(static_cast<double>(info.totalBytes), static_cast<double>(host), host / 100.0);
    // A machine beyond 4 GiB must not come out cut to 32 bits.
    if (host > (4ull << 30)) {
        EXPECT_GT(info.totalBytes, 4ull << 30);
    }
}

// A processor key of the test's own under HKEY_LOCAL_MACHINE, removed afterwards.
class ProcessorKey : public ::testing::Test {
protected:
    static constexpr const char *path = "Software\\TavrinTests\\CentralProcessor\\0";
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\TavrinTests");
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
            GTEST_SKIP() << "HKEY_LOCAL_MACHINE is not writable here";
        setProcessorSource(path);
    }
    void TearDown() override
    {
        if (key) RegCloseKey(key);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\TavrinTests");
        setProcessorSource(nullptr);
    }
    void setText(const char *name, const std::string &text, bool terminated = true)
    {
        DWORD size = static_cast<DWORD>(text.size() + (terminated ? 1 : 0));
        ASSERT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()), size), ERROR_SUCCESS);
    }
    void setDword(const char *name, DWORD value)
    {
        ASSERT_EQ(RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value), sizeof value),
                  ERROR_SUCCESS);
    }
    HKEY key = nullptr;
};

TEST_F(ProcessorKey, NameIdentifierAndClockAreRead)
{
    setText("ProcessorNameString", "Intel(R) Xeon(R) Gold 6148 CPU @ 2.40GHz");
    setText("Identifier", "Intel64 Family 6 Model 85 Stepping 4");
    setDword("~MHz", 2394);
    ProcessorInfo info;
    ASSERT_TRUE(readProcessorInfo(&info));
    EXPECT_STREQ(info.name.data(), "Intel(R) Xeon(R) Gold 6148 CPU @ 2.40GHz");
    EXPECT_STREQ(info.identifier.data(), "Intel64 Family 6 Model 85 Stepping 4");
    EXPECT_EQ(info.mhz, 2394);
}

TEST_F(ProcessorKey, TextsLongerThanTheirRoomAreCutAndTerminated)
{
    setText("ProcessorNameString", std::string(300, 'n'));
    setText("Identifier", std::string(127, 'i'));
    ProcessorInfo info;
    ASSERT_TRUE(readProcessorInfo(&info));
    EXPECT_EQ(std::string(info.name.data()), std::string(127, 'n'));
    EXPECT_EQ(std::string(info.identifier.data()), std::string(127, 'i'));
}

TEST_F(ProcessorKey, TextStoredWithoutATerminatorIsReadWhole)
{
    setText("ProcessorNameString", "Unterminated", false);
    ProcessorInfo info;
    ASSERT_TRUE(readProcessorInfo(&info));
    EXPECT_STREQ(info.name.data(), "Unterminated");
}

// Reads into a description filled with rubbish first: whether the read answered as expected and left
// every field empty.
::testing::AssertionResult readsNothing(bool keyFound)
{
    ProcessorInfo info;
    std::memset(&info, 'x', sizeof info);
    if (readProcessorInfo(&info) != keyFound) return ::testing::AssertionFailure() << "the key was found: " << !keyFound;
    if (info.name[0] || info.identifier[0] || info.mhz)
        return ::testing::AssertionFailure() << "left: \"" << info.name.data() << "\", \"" << info.identifier.data()
                                             << "\", " << info.mhz;
    return ::testing::AssertionSuccess();
}

TEST_F(ProcessorKey, ValuesOfTheWrongTypeOrMissingStayEmpty)
{
    setDword("ProcessorNameString", 7);
    setText("~MHz", "2400");
    EXPECT_TRUE(readsNothing(true));
}

TEST_F(ProcessorKey, AMissingKeyReadsAsNothing)
{
    setProcessorSource("Software\\TavrinTests\\CentralProcessor\\9");
    EXPECT_TRUE(readsNothing(false));
}

TEST(MachineProcessor, TheSystemsOwnKeyDescribesTheProcessor)
{
    setProcessorSource(nullptr);
    ProcessorInfo info;
    ASSERT_TRUE(readProcessorInfo(&info));
    EXPECT_STRNE(info.identifier.data(), "");
    EXPECT_NE(std::string(info.identifier.data()).find("Family"), std::string::npos) << info.identifier.data();
}

}  // namespace
