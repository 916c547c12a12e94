// resources_test.cpp -- what tavrin.exe and its installer tell Windows about themselves: every icon size
// from 16 to 256 pixels, and tavrin.exe's manifest, read as Windows reads them
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

#include "test_directory.h"

namespace {

// A group icon's directory as it lies in the resource.
#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIcon {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

struct Resources {
    HMODULE module;
    explicit Resources(const std::string &path)
        : module(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE))
    {
    }
    ~Resources()
    {
        if (module) FreeLibrary(module);
    }
    std::string data(LPCSTR name, LPCSTR type) const
    {
        HRSRC found = FindResourceA(module, name, type);
        HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
        const char *bytes = loaded ? static_cast<const char *>(LockResource(loaded)) : nullptr;
        return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
    }
};

BOOL CALLBACK firstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR found)
{
    *reinterpret_cast<LPSTR *>(found) = name;
    return FALSE;
}

// The pixel sizes of the program's first group icon, the one Explorer shows (0 stands for 256).
std::set<int> iconSizes(const Resources &file)
{
    std::set<int> sizes;
    LPSTR name = nullptr;
    EnumResourceNamesA(file.module, reinterpret_cast<LPCSTR>(RT_GROUP_ICON), firstName,
                       reinterpret_cast<LONG_PTR>(&name));
    if (!name) return sizes;
    std::string group = file.data(name, reinterpret_cast<LPCSTR>(RT_GROUP_ICON));
    if (group.size() < 6) return sizes;
    auto directory = reinterpret_cast<const GroupIcon *>(group.data());
    for (WORD i = 0; i < directory->count && 6 + (i + 1) * sizeof(GroupIconEntry) <= group.size(); ++i) {
        const GroupIconEntry &entry = directory->entries[i];
        if (entry.width == entry.height && entry.bitCount == 32) sizes.insert(entry.width ? entry.width : 256);
    }
    return sizes;
}

const std::set<int> everySize = {16, 24, 32, 48, 64, 128, 256};

}  // namespace

TEST(Resources, TheProgramCarriesEveryIconSizeAndAManifestForTodaysWindows)
{
    Resources program(executableDirectory() + "\\..\\run\\tavrin.exe");
    ASSERT_NE(program.module, nullptr);
    EXPECT_EQ(iconSizes(program), everySize);

    std::string manifest = program.data(MAKEINTRESOURCEA(1), reinterpret_cast<LPCSTR>(RT_MANIFEST));
    ASSERT_FALSE(manifest.empty());
    // Crisp on every screen: per monitor (version 2, then 1), and for the whole system where that is all.
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos) << manifest;
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find("requestedExecutionLevel level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    // Windows 10 and 11, 8.1, 8, 7 and Vista.
    for (const char *id : {"8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a", "1f676c76-80e1-4239-95bb-83d0f6d0da78",
                           "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
                           "e2011457-1546-43c5-a5fe-008deee3d3f0"})
        EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"{") + id + "}\"/>"), std::string::npos) << id;
}

#ifdef TAVRIN_CHECK_SETUP
TEST(Resources, TheInstallerCarriesEveryIconSize)
{
    Resources setup(executableDirectory() + "\\..\\package\\tavrin-setup.exe");
    ASSERT_NE(setup.module, nullptr);
    EXPECT_EQ(iconSizes(setup), everySize);
}
#endif
