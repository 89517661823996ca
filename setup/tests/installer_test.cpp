// The setup program run as a user or a deployment tool runs it: silently,
// under this prefix's Wine, with a headset registered with the system.
// Each step of a lifetime builds on the one before (install, install
// again, uninstall), so they run in order in one test each.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "applet_ids.h"
#include "child_process.h"
#include "install_scene.h"
#include "registered_headset.h"
#include "test_registry.h"
#include "test_window.h"
#include "window_titles.h"

namespace setup_tests {
namespace {

constexpr char kProductKey[] = "Software\\Quorvel\\Tavimo";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tavimo";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string InstallFolder() {
    char folder[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, folder);
    return std::string(folder) + "\\Tavimo";
}

std::string SystemFolder() {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, sizeof folder);
    return folder;
}

std::optional<DWORD> RunSetup(const std::string& options) {
    return testing_support::RunToExit(
        "\"" + testing_support::PathBesideTest("TavimoTestSetup.exe") + "\" " + options);
}

// The uninstaller copies itself to the temp folder and runs from there, so
// the first process ends at once: wait for its work, the folder's going.
void UninstallSilently() {
    const std::string uninstaller = InstallFolder() + "\\Uninstall.exe";
    if (!Exists(uninstaller)) {
        return;
    }
    EXPECT_EQ(testing_support::RunToExit("\"" + uninstaller + "\" /S"), 0u);
    for (int wait = 0; wait < 600 && Exists(InstallFolder()); ++wait) {
        Sleep(100);
    }
}

bool KeyHoldsNothing(const std::string& path) {
    const testing_support::RegistryTree tree =
        testing_support::SnapshotTree(HKEY_LOCAL_MACHINE, path.c_str());
    return tree.size() == 1 && tree.count(path + "\\") == 1;  // the key alone
}

void RemoveDriverCopies() {
    for (const char* file : kSupportFiles) {
        DeleteFileA(Installed(file, "system32").c_str());
    }
}

// Waits (within a generous limit) for a top-level window with this title.
bool WindowAppears(const char* title) {
    for (int wait = 0; wait < 300; ++wait) {
        if (FindWindowA(nullptr, title) != nullptr) {
            return true;
        }
        Sleep(100);
    }
    return false;
}

class Installer : public testing::Test {
protected:
    void SetUp() override {
        if (!Exists(testing_support::PathBesideTest("TavimoTestSetup.exe"))) {
            GTEST_SKIP() << "no setup program: makensis was not found when the build was set up";
        }
        UninstallSilently();
        RemoveDriverCopies();
    }
    void TearDown() override { UninstallSilently(); }

    const RegisteredHeadset headset_;
};

TEST_F(Installer, ASilentInstallLaysOutTheSuiteAndRunsTheDriverStep) {
    ASSERT_TRUE(headset_.IsRegistered());
    ASSERT_EQ(RunSetup("/S"), 0u);

    const std::string folder = InstallFolder();
    for (const char* file : {"TAVIMO.EXE",
                             "BANDCALC.DLL",
                             "PARSEDRV.EXE",
                             "SetupHs9x.dll",
                             "SetupHsNT.dll",
                             "trayclose.exe",
                             "traysrv.exe",
                             "TaviTrayRes.dll",
                             "TaviTrayResGerman.dll",
                             "cddswitch.exe",
                             "reglaunch.exe",
                             "TAVI_DE.DLL",
                             "QRV001.WAV",
                             "HS4001.BIN",
                             "ZHS5007.BIN",
                             "Help\\taviEnglish.chm",
                             "Driver\\qrveq.inf",
                             "Driver\\bandcalc.dll",
                             "Driver\\hsio.dll",
                             "Driver\\hsfilt.sys",
                             "Uninstall.exe"}) {
        EXPECT_TRUE(Exists(folder + "\\" + file)) << file;
    }
    EXPECT_FALSE(Exists(folder + "\\TavimoDemo.exe"));

    const std::string product = std::string(kProductKey) + "\\";
    EXPECT_EQ(
        testing_support::ReadString(HKEY_LOCAL_MACHINE, (product + "Directory").c_str(), "Path"),
        folder + "\\");
    EXPECT_EQ(
        testing_support::ReadString(HKEY_LOCAL_MACHINE, (product + "Language").c_str(), "Value"),
        "English");
    for (const char* key : {"HeadsetEQ", "MicEQ", "Audio", "Talk"}) {
        EXPECT_TRUE(KeyHoldsNothing(product + key)) << key;
    }
    EXPECT_EQ(testing_support::ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"),
              "2.00.000");

    // PARSEDRV ran SetupHsNT from the Driver folder: the helper's copies.
    for (const char* file : kSupportFiles) {
        EXPECT_EQ(FileBytes(Installed(file, "system32")), FileBytes(folder + "\\Driver\\" + file))
            << file;
    }

    // The tray agent starts at logon, and runs now.
    EXPECT_EQ(testing_support::ReadString(HKEY_LOCAL_MACHINE, kRunKey, "Tavimo Tray"),
              "\"" + folder + "\\traysrv.exe\"");
    EXPECT_TRUE(WindowAppears(tavimo::kTrayAgentTitle));

    // The Control Panel finds the applet, which shows the installation.
    testing_support::ChildProcess panel("control.exe tavictrl.cpl");
    ASSERT_TRUE(WindowAppears(tavimo::kAppletTitle));
    const HWND dialog = FindWindowA("#32770", tavimo::kAppletTitle);
    // Filled in before it shows.
    for (int wait = 0; wait < 300 && !IsWindowVisible(dialog); ++wait) {
        Sleep(100);
    }
    EXPECT_EQ(testing_support::WindowText(GetDlgItem(dialog, IDC_LOCATION)), folder + "\\");
    EXPECT_EQ(testing_support::WindowText(GetDlgItem(dialog, IDC_SOFTWARE_VERSION)), "2.00.000");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(panel.WaitPumpingMessages(), std::optional<DWORD>(0));
}

TEST_F(Installer, AnInstallOverTheRunningSuiteClosesItAndReplacesTheFiles) {
    ASSERT_EQ(RunSetup("/S /NODRIVER"), 0u);
    for (const char* file : kSupportFiles) {
        EXPECT_FALSE(Exists(Installed(file, "system32"))) << file;
    }
    const std::string marker = InstallFolder() + "\\QRV001.WAV";
    ASSERT_TRUE(DeleteFileA(marker.c_str()));
    testing_support::ChildProcess controlCenter("\"" + InstallFolder() + "\\TAVIMO.EXE\"");
    ASSERT_TRUE(WindowAppears("Tavimo Audio Control Center"));

    ASSERT_EQ(RunSetup("/S /NODRIVER"), 0u);
    EXPECT_TRUE(controlCenter.WaitPumpingMessages().has_value());
    EXPECT_TRUE(Exists(marker));
    EXPECT_EQ(testing_support::ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"),
              "2.00.000");
}

TEST_F(Installer, ASilentUninstallLeavesOnlyTheDriverFiles) {
    ASSERT_TRUE(headset_.IsRegistered());
    ASSERT_EQ(RunSetup("/S"), 0u);
    UninstallSilently();
    EXPECT_FALSE(Exists(InstallFolder()));
    EXPECT_FALSE(Exists(SystemFolder() + "\\tavictrl.cpl"));
    EXPECT_TRUE(testing_support::SnapshotTree(HKEY_LOCAL_MACHINE, kProductKey).empty());
    EXPECT_TRUE(testing_support::SnapshotTree(HKEY_LOCAL_MACHINE, "Software\\Quorvel").empty());
    EXPECT_TRUE(testing_support::SnapshotTree(HKEY_LOCAL_MACHINE, kUninstallKey).empty());
    EXPECT_FALSE(testing_support::ReadString(HKEY_LOCAL_MACHINE, kRunKey, "Tavimo Tray"));
    // The installation libraries delete no file of the Windows folders.
    for (const char* file : kSupportFiles) {
        EXPECT_TRUE(Exists(Installed(file, "system32"))) << file;
    }
}

}  // namespace
}  // namespace setup_tests
