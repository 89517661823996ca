// cddswitch.exe run as the shell would, against the CD-ROM class key of the
// test prefix's registry, which each test builds from nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "cd_audio_switch.h"
#include "child_process.h"
#include "test_registry.h"

namespace {

using testing_support::PathBesideTest;
using testing_support::RunToExit;

constexpr char kClassKey[] = "System\\CurrentControlSet\\Services\\Class\\CDROM";

class CddswitchTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveClassKey(); }
    void TearDown() override { RemoveClassKey(); }

    static void RemoveClassKey() { testing_support::DeleteKeyTree(HKEY_LOCAL_MACHINE, kClassKey); }

    static void AddDrives(std::initializer_list<unsigned> indexes) {
        for (unsigned index : indexes) {
            HKEY created = nullptr;
            ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, cddswitch::DriveKeyPath(index).c_str(), 0,
                                      nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr),
                      ERROR_SUCCESS);
            RegCloseKey(created);
        }
    }

    // The drive's DigitalAudioPlay value as bytes, or nullopt when it has none.
    static std::optional<std::vector<BYTE>> ValueOf(unsigned index) {
        const auto value = testing_support::ReadValue(
            HKEY_LOCAL_MACHINE, cddswitch::DriveKeyPath(index).c_str(), "DigitalAudioPlay");
        if (!value) {
            return std::nullopt;
        }
        EXPECT_EQ(value->type, static_cast<DWORD>(REG_BINARY));
        return value->data;
    }

    static std::optional<DWORD> Run(const std::string& arguments) {
        return RunToExit("\"" + PathBesideTest("cddswitch.exe") + "\"" + arguments);
    }

    const std::vector<BYTE> enabled{0x03};
    const std::vector<BYTE> disabled{0x02};
};

TEST_F(CddswitchTest, EnableWritesEveryDriveUpToTheFirstMissingOne) {
    AddDrives({0, 1});
    EXPECT_EQ(Run(" -e"), 0u);
    EXPECT_EQ(ValueOf(0), enabled);
    EXPECT_EQ(ValueOf(1), enabled);
    EXPECT_FALSE(ValueOf(2));
}

TEST_F(CddswitchTest, DisableOverwritesWhatWasThere) {
    AddDrives({0, 1, 2});
    ASSERT_EQ(Run(" /e"), 0u);
    EXPECT_EQ(Run("  /d"), 0u);
    EXPECT_EQ(ValueOf(0), disabled);
    EXPECT_EQ(ValueOf(1), disabled);
    EXPECT_EQ(ValueOf(2), disabled);
}

TEST_F(CddswitchTest, DrivesAfterAGapStayUntouched) {
    AddDrives({0, 2});
    EXPECT_EQ(Run(" -e"), 0u);
    EXPECT_EQ(ValueOf(0), enabled);
    EXPECT_FALSE(ValueOf(2));
}

TEST_F(CddswitchTest, SwitchesThatAreNotExactWriteNothing) {
    AddDrives({0});
    for (const char* arguments : {"", " ", " -E", " /D", " -e ", " -ed", " -x", " e"}) {
        EXPECT_EQ(Run(arguments), 0u) << '"' << arguments << '"';
        EXPECT_FALSE(ValueOf(0)) << '"' << arguments << '"';
    }
}

TEST_F(CddswitchTest, WithoutTheClassKeyNothingIsWritten) {
    EXPECT_EQ(Run(" -e"), 0u);
    HKEY opened = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kClassKey, 0, KEY_READ, &opened), ERROR_SUCCESS);
    EXPECT_EQ(opened, nullptr);
}

TEST_F(CddswitchTest, WorksFromAFolderWhoseNameHasABlank) {
    char temp[MAX_PATH] = {};
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    const std::string folder = std::string(temp) + "Tavimo Test Folder";
    const std::string program = folder + "\\cddswitch.exe";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(PathBesideTest("cddswitch.exe").c_str(), program.c_str(), FALSE));

    AddDrives({0});
    EXPECT_EQ(RunToExit("\"" + program + "\" -e"), 0u);
    EXPECT_EQ(ValueOf(0), enabled);

    DeleteFileA(program.c_str());
    RemoveDirectoryA(folder.c_str());
}

}  // namespace
