// The codec-access binding against the stand-in library, and the stand-in's
// own surface.
#include "codec_access.h"

#include <gtest/gtest.h>

#include <string>

#include "virtual_codec.h"

namespace {

using headset::CodecAccess;

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

}  // namespace

TEST(CodecAccess, LoadsOnceProbesAndUnloadsBothLibraries) {
    devices::VirtualCodec codec;
    CodecAccess access;
    ASSERT_EQ(access.Load(), 1);
    ASSERT_EQ(access.Load(), 1);
    EXPECT_TRUE(access.Probe());
    codec.SetAnswering(false);
    EXPECT_FALSE(access.Probe());
    codec.SetAnswering(true);
    access.Unload();
    EXPECT_FALSE(access.Probe());
    EXPECT_EQ(GetModuleHandleA("HSIO.DLL"), nullptr);
    EXPECT_EQ(GetModuleHandleA("BANDCALC.DLL"), nullptr);
}

TEST(CodecAccess, WithoutTheVirtualCodecTheStandInAnswersNothing) {
    CodecAccess access;
    EXPECT_EQ(access.Load(), 0);
    EXPECT_FALSE(access.IsLoaded());
    EXPECT_EQ(GetModuleHandleA("HSIO.DLL"), nullptr);
}

bool RunsOnWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

TEST(CodecAccess, LoadingTakesTheCurrentDirectoryOutOfTheSearch) {
    using GetDllDirectoryFn = DWORD(WINAPI*)(DWORD, char*);
    const auto get = reinterpret_cast<GetDllDirectoryFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetDllDirectoryA")));
    if (get == nullptr) {
        GTEST_SKIP() << "GetDllDirectoryA is missing: the search cannot be changed here";
    }
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    ASSERT_TRUE(SetDllDirectoryA(temp));
    CodecAccess access;
    access.Load();
    char directory[MAX_PATH] = "unchanged";
    EXPECT_EQ(get(MAX_PATH, directory), 0u);
    EXPECT_STREQ(directory, "");
}

TEST(CodecAccess, ALibraryPlantedInTheCurrentDirectoryIsNotLoaded) {
    if (RunsOnWine()) {
        GTEST_SKIP() << "Wine's loader searches the current directory even after "
                        "SetDllDirectoryA(\"\"); the call itself is checked above";
    }
    devices::VirtualCodec codec;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder =
        std::string(temp) + "tavimo_planted_" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string planted = folder + "PLANTEDHSIO.DLL";
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "HSIO.DLL").c_str(), planted.c_str(), FALSE));
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(folder.c_str());

    CodecAccess access({"PLANTEDHSIO.DLL", "BANDCALC.DLL"});
    EXPECT_EQ(access.Load(), 0);
    EXPECT_EQ(GetModuleHandleA("PLANTEDHSIO.DLL"), nullptr);

    SetCurrentDirectoryA(previous);
    DeleteFileA(planted.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST(CodecStandIn, RecordsEveryDspWriteAndKeepsItsMemoryInBounds) {
    devices::VirtualCodec codec;
    const HMODULE module = LoadLibraryA("HSIO.DLL");
    ASSERT_NE(module, nullptr);
    using GetMem = BOOL(WINAPI*)(DWORD, DWORD, BYTE*);
    using SetMem = BOOL(WINAPI*)(DWORD, DWORD, const BYTE*);
    using Read = BOOL(WINAPI*)(DWORD, LONG*);
    using Write = BOOL(WINAPI*)(DWORD, LONG);
    const auto entry = [module](const char* name) {
        return reinterpret_cast<void*>(GetProcAddress(module, name));
    };
    const auto getMem = reinterpret_cast<GetMem>(entry("_HsioGetMem@12"));
    const auto setMem = reinterpret_cast<SetMem>(entry("_HsioSetMem@12"));
    const auto read = reinterpret_cast<Read>(entry("_HsioXDSPRead@8"));
    const auto write = reinterpret_cast<Write>(entry("_HsioXDSPWrite@8"));
    ASSERT_TRUE(getMem && setMem && read && write);

    const BYTE bytes[] = {1, 2, 3};
    EXPECT_TRUE(setMem(253, 3, bytes));
    EXPECT_FALSE(setMem(254, 3, bytes));
    EXPECT_FALSE(setMem(0xFFFFFFFF, 2, bytes));  // no wrap past the end
    BYTE back[3] = {};
    EXPECT_TRUE(getMem(253, 3, back));
    EXPECT_EQ(back[2], 3);
    EXPECT_FALSE(getMem(0, 1, nullptr));

    EXPECT_TRUE(write(33, -5));
    EXPECT_FALSE(write(64, 7));  // recorded, but no such register
    LONG value = 0;
    EXPECT_TRUE(read(33, &value));
    EXPECT_EQ(value, -5);
    EXPECT_FALSE(read(64, &value));
    const auto records = codec.Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].address, 64u);

    codec.SetAnswering(false);
    EXPECT_FALSE(getMem(0, 1, back));
    EXPECT_FALSE(write(33, 1));
    EXPECT_EQ(codec.Records().size(), 2u);
    FreeLibrary(module);
}
