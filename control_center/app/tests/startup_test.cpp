// What the control center tells the user as it starts over a virtual headset
// of either family: the messages of a missing headset or driver, and the
// output switch offered when Windows plays through another card. Reopening
// after a device change is silent.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "frame_harness.h"
#include "main_frame.h"
#include "message_dialog.h"
#include "recording_desktop.h"
#include "scratch_registry.h"
#include "virtual_headset.h"

namespace {

using devices::VirtualHeadset;
using Family = VirtualHeadset::Family;
using Dialog = testing_support::RecordingDesktop::Dialog;

const Dialog kMissingHeadset = {tavimo::kErrorDialog, 1021, 1022};
const Dialog kOlderDriverMissing = {tavimo::kErrorDialog, 1124, 1127};
const Dialog kNewerDriverMissing = {tavimo::kErrorDialog, 1124, 1125};
const Dialog kOutputSwitch = {tavimo::kSpeakerSelectionDialog, 1111, 1112};

class StartupTest : public ::testing::TestWithParam<Family> {
protected:
    struct Faults {
        bool plugged = true, soundCardFirst = false, driverMissing = false;
    };
    void Start(Faults faults) {
        VirtualHeadset::Setup setup;
        setup.family = GetParam();
        setup.plugged = faults.plugged;
        setup.soundCardFirst = faults.soundCardFirst;
        setup.driverMissing = faults.driverMissing;
        headset = std::make_unique<VirtualHeadset>(setup);
        frame = std::make_unique<tavimo::CMainFrame>(headset->Devices(), desktop);
        ASSERT_TRUE(frame_tests::OpenFrame(*frame));
    }
    void TearDown() override {
        if (frame) {
            frame_tests::CloseFrame(*frame);
        }
    }
    Dialog DriverMissing() const {
        return GetParam() == Family::Older ? kOlderDriverMissing : kNewerDriverMissing;
    }

    // The output switch's warning is on unless the registry says otherwise.
    testing_support::ScratchRegistry machine{HKEY_LOCAL_MACHINE};
    testing_support::RecordingDesktop desktop;
    std::unique_ptr<VirtualHeadset> headset;
    std::unique_ptr<tavimo::CMainFrame> frame;
};

TEST_P(StartupTest, AWholeHeadsetWhereWindowsPlaysStartsWithoutAWord) {
    Start({});
    EXPECT_TRUE(desktop.dialogs.empty());
    EXPECT_TRUE(desktop.executed.empty());
}

TEST_P(StartupTest, AMissingHeadsetIsToldOnce) {
    Start({.plugged = false, .soundCardFirst = false, .driverMissing = false});
    EXPECT_EQ(desktop.dialogs, std::vector<Dialog>{kMissingHeadset});
    // Plugged in later: no message, and no switch offered after an arrival.
    headset->Plug(GetParam(), 400);
    EXPECT_TRUE(frame->Audio().HeadsetReady());
    EXPECT_EQ(desktop.dialogs.size(), 1u);
}

TEST_P(StartupTest, AMissingDriverIsToldForItsFamily) {
    Start({.plugged = true, .soundCardFirst = true, .driverMissing = true});
    // The headset is not ready, so the output switch is not offered either.
    EXPECT_EQ(desktop.dialogs, std::vector<Dialog>{DriverMissing()});
    headset->Unplug();
    headset->Plug(GetParam(), 400);
    EXPECT_EQ(desktop.dialogs.size(), 1u);
}

TEST_P(StartupTest, AnotherCardWhereWindowsPlaysOffersTheOutputSwitch) {
    desktop.dialogAnswer = IDCANCEL;
    Start({.plugged = true, .soundCardFirst = true, .driverMissing = false});
    EXPECT_EQ(desktop.dialogs, std::vector<Dialog>{kOutputSwitch});
    EXPECT_TRUE(desktop.executed.empty());  // cancelled

    // Audio devices changing again checks the output without offering.
    headset->Unplug();
    headset->Plug(GetParam(), 400);
    EXPECT_EQ(desktop.dialogs.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, StartupTest,
                         ::testing::Values(Family::Older, Family::Newer));

}  // namespace
