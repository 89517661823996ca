// The Windows 2000 and XP installation over the virtual device
// installation, with a scratch HKEY_LOCAL_MACHINE, real files in this
// prefix's Windows folder, the codec-access stand-in and the real message
// box.
#include <gtest/gtest.h>

#include "driver_installer.h"
#include "install_scene.h"
#include "prompt_answerer.h"
#include "virtual_install.h"

namespace setup_tests {
namespace {

using devices::VirtualInstall;

constexpr char kRetryText[] = "Connect the headset and press Retry.";
constexpr char kHardwareId[] = "USB\\Vid_A5C1&Pid_0D31";
constexpr char kHeadsetWithRevision[] = "USB\\VID_A5C1&PID_0D31&REV_0100";

VirtualInstall::Device Headset() {
    return {std::vector<std::string>{kHeadsetWithRevision, "USB\\VID_A5C1&PID_0D31"}};
}

std::string InfBeside(const InstallScene& scene) {
    return scene.Sources().Path() + "qrveq.inf";
}

std::string UpdateFrom(const std::string& inf) {
    return std::string(kHardwareId) + "|" + inf;
}

class SetupHsNT : public testing::Test {
protected:
    int Install() { return setup::DriverInstaller(system_, &detail_, kRetryText).Install(); }
    int Remove() { return setup::DriverInstaller(system_, &detail_, kRetryText).Remove(); }

    InstallScene scene_;
    VirtualInstall system_;
    int detail_ = -1;
};

TEST_F(SetupHsNT, AKnownHeadsetGetsItsDriverFromTheInfBesideTheCaller) {
    scene_.AddDeviceKeyNT();
    system_.Plug(Headset());
    const testing_support::PromptAnswerer user;
    EXPECT_EQ(Install(), 0);
    EXPECT_TRUE(user.Prompts().empty());
    EXPECT_EQ(detail_, -1);
    EXPECT_EQ(system_.Calls("SetupCopyOEMInfA").size(), 0u);
    const std::vector<VirtualInstall::Call> update = {
        {"UpdateDriverForPlugAndPlayDevicesA", UpdateFrom(InfBeside(scene_)), 1}};
    EXPECT_EQ(system_.Calls("UpdateDriverForPlugAndPlayDevicesA"), update);
    for (const char* file : kSupportFiles) {
        EXPECT_EQ(FileBytes(Installed(file, "system32")), InstallScene::SourceBytes(file)) << file;
    }
    EXPECT_EQ(system_.OpenSets(), 0);
}

// On a machine that never saw the headset the store must take an INF it
// does not hold yet: a copy style that only replaces one places nothing.
TEST_F(SetupHsNT, AHeadsetPluggedInWhileThePromptWaitsFindsItsInfPlaced) {
    const testing_support::PromptAnswerer user{{IDRETRY, {}},
                                               {IDRETRY, [&] { system_.Plug(Headset()); }}};
    EXPECT_EQ(Install(), 0);
    ASSERT_EQ(user.Prompts().size(), 2u);
    EXPECT_EQ(user.Prompts()[1].text, kRetryText);
    const auto placed = system_.Calls("SetupCopyOEMInfA");
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].text, InfBeside(scene_));
    EXPECT_EQ(detail_, -1);  // placed, and the codec answered
    EXPECT_EQ(system_.Calls().back().function, "UpdateDriverForPlugAndPlayDevicesA");
}

TEST_F(SetupHsNT, CancellingTheWaitPlacesTheInfAgainAndReturnsWhatThatGave) {
    scene_.SetCodecAnswering(false);
    {
        const testing_support::PromptAnswerer user{{IDCANCEL, {}}};
        EXPECT_EQ(Install(), 2);
        EXPECT_EQ(detail_, 5);
        EXPECT_EQ(system_.Calls("SetupCopyOEMInfA").size(), 2u);
        EXPECT_TRUE(system_.Calls("UpdateDriverForPlugAndPlayDevicesA").empty());
    }
    scene_.SetCodecAnswering(true);
    system_.FailNextPlacement(ERROR_GEN_FAILURE);
    const testing_support::PromptAnswerer user{{IDCANCEL, {}}};
    detail_ = -1;
    EXPECT_EQ(Install(), 0);  // the first placement failed, the second one went
    EXPECT_EQ(detail_, static_cast<int>(ERROR_GEN_FAILURE));
    scene_.AddDeviceKeyNT();
    system_.FailNextPlacement(ERROR_INVALID_DATA);
    const testing_support::PromptAnswerer again{{IDCANCEL, {}}};
    EXPECT_EQ(Install(), 2);
    EXPECT_EQ(detail_, static_cast<int>(ERROR_INVALID_DATA));
}

TEST_F(SetupHsNT, AMissingInfCopiesNothingAndTheUpdateFails) {
    scene_.RemoveSource("qrveq.inf");
    system_.Plug(Headset());
    EXPECT_EQ(Install(), 2);
    EXPECT_EQ(detail_, 2);
    EXPECT_FALSE(Exists(Installed("hsio.dll", "system32")));
    EXPECT_TRUE(system_.Calls("SetupCopyOEMInfA").empty());
}

TEST_F(SetupHsNT, FilesThatCannotBeCopiedAreReportedAndTheInstallGoesOn) {
    scene_.AddDeviceKeyNT();
    scene_.RemoveSource("hsfilt.sys");
    system_.Plug(Headset());
    EXPECT_EQ(Install(), 0);
    EXPECT_EQ(detail_, 6);
    EXPECT_EQ(system_.Calls("UpdateDriverForPlugAndPlayDevicesA").size(), 1u);
}

TEST_F(SetupHsNT, OnlyADeviceWithTheHeadsetsHardwareIdCounts) {
    scene_.AddDeviceKeyNT();
    system_.Plug({std::nullopt});
    system_.Plug({std::vector<std::string>{"USB\\VID_845E&PID_0001"}});
    system_.Plug({std::vector<std::string>{"XUSB\\VID_A5C1&PID_0D31"}});
    const testing_support::PromptAnswerer user{{IDCANCEL, {}}};
    EXPECT_EQ(Install(), 0);  // cancelled: the placement's outcome
    EXPECT_EQ(user.Prompts().size(), 1u);
    EXPECT_TRUE(system_.Calls("UpdateDriverForPlugAndPlayDevicesA").empty());

    // Found after ids long enough to need a larger buffer.
    std::vector<std::string> ids(40, "USB\\VID_1234&PID_5678&REV_0001");
    ids.push_back(kHeadsetWithRevision);
    system_.Plug({ids});
    const testing_support::PromptAnswerer none;
    EXPECT_EQ(Install(), 0);
    EXPECT_TRUE(none.Prompts().empty());
    EXPECT_EQ(system_.OpenSets(), 0);
}

TEST_F(SetupHsNT, TheUpdatesOutcomeAndTheRestartRequest) {
    scene_.AddDeviceKeyNT();
    system_.Plug(Headset());
    system_.FailNextUpdate(ERROR_NO_SUCH_DEVINST);
    EXPECT_EQ(Install(), 2);
    EXPECT_EQ(detail_, 2);

    system_.AskRestart(true);
    detail_ = -1;
    EXPECT_EQ(Install(), 0);  // the headset answers already
    scene_.SetCodecAnswering(false);
    EXPECT_EQ(Install(), 1);
    EXPECT_EQ(detail_, -1);
}

// The search that looks for the INF is closed again.
TEST_F(SetupHsNT, AnInstallLeavesNoHandleOpen) {
    scene_.AddDeviceKeyNT();
    system_.Plug(Headset());
    EXPECT_EQ(Install(), 0);  // whatever loading the libraries leaves, once
    DWORD before = 0, after = 0;
    if (!GetProcessHandleCount(GetCurrentProcess(), &before) || before == 0) {
        GTEST_SKIP() << "this system does not count a process's handles";
    }
    for (int run = 0; run < 3; ++run) {
        EXPECT_EQ(Install(), 0);
    }
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &after));
    EXPECT_EQ(after, before);
}

TEST_F(SetupHsNT, RemovalPutsTheHeadsetBackOnTheSystemsUsbInf) {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, sizeof windows);
    const std::string usbInf = std::string(windows) + "\\inf\\usb.inf";
    DeleteFileA(usbInf.c_str());
    system_.Plug(Headset());
    EXPECT_EQ(Remove(), 2);  // no usb.inf: the update fails
    EXPECT_EQ(detail_, 2);
    EXPECT_EQ(system_.Calls("UpdateDriverForPlugAndPlayDevicesA").back().text, UpdateFrom(usbInf));

    scene_.Sources().Write("usb.inf", {'[', ']'});
    ASSERT_TRUE(CopyFileA((scene_.Sources().Path() + "usb.inf").c_str(), usbInf.c_str(), FALSE));
    detail_ = -1;
    EXPECT_EQ(Remove(), 0);
    EXPECT_EQ(detail_, -1);

    system_.UnplugAll();
    const testing_support::PromptAnswerer user{{IDCANCEL, {}}};
    EXPECT_EQ(Remove(), 2);
    EXPECT_EQ(user.Prompts().size(), 1u);
    DeleteFileA(usbInf.c_str());
}

}  // namespace
}  // namespace setup_tests
