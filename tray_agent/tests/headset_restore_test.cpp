// The restore after a standby, in-process with the virtual headset: what
// reaches the headset, in which order, and that nothing is left behind.
#include "headset_restore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "power_broadcast.h"
#include "scratch_directory.h"
#include "scratch_registry.h"
#include "test_registry.h"
#include "test_window.h"
#include "virtual_headset.h"

namespace {

using devices::VirtualHeadset;
using devices::VirtualHid;
using testing_support::Pattern;
using Change = VirtualHeadset::Change;
using Blocks = std::vector<std::vector<BYTE>>;

constexpr char kKey[] = "Software\\Quorvel\\Tavimo\\";
constexpr UINT kObserved = WM_APP + 1;

class RestoreTest : public ::testing::Test {
protected:
    RestoreTest() {
        hklm_.SetString(std::string(kKey) + "Directory", "Path", directory_.Path());
        headset_.Observe(window_.get(), kObserved);
    }
    ~RestoreTest() override { headset_.Observe(nullptr, 0); }

    void SetPresets(int mic, int headphone) {
        hklm_.SetString(std::string(kKey) + "MicEQ", "Value", std::to_string(mic));
        hklm_.SetString(std::string(kKey) + "HeadsetEQ", "Value", std::to_string(headphone));
    }
    // A headset of model 400 whose gain runs from 0 to maximum.
    void PlugWithGainRange(LONG maximum) {
        VirtualHid::Device device = VirtualHeadset::HidDevice(VirtualHeadset::Family::Older, 400);
        device.gainMaximum = maximum;
        headset_.Plug(VirtualHeadset::Family::Older, device);
    }
    tray::RestoreFields Restore() {
        return tray::RestoreHeadset({headset_.Hid(), headset_.Platform(), headset_.Pipe()},
                                    window_.get());
    }
    // What reached the headset since the last call, in order.
    std::vector<Change> Changes() {
        std::vector<Change> changes;
        MSG message;
        while (PeekMessageA(&message, window_.get(), kObserved, kObserved, PM_REMOVE)) {
            changes.push_back(static_cast<Change>(message.wParam));
        }
        return changes;
    }
    void ExpectNothingLeft() {
        EXPECT_EQ(headset_.Hid().OpenHandles(), 0);
        EXPECT_EQ(headset_.Hid().LivePreparsedData(), 0);
        EXPECT_EQ(headset_.Platform().LiveRegistrations(), 0);
        EXPECT_EQ(headset_.Pipe().OpenHandles(), 0);
        EXPECT_EQ(headset_.Pipe().OpenSets(), 0);
    }

    testing_support::ScratchRegistry hklm_{HKEY_LOCAL_MACHINE};
    testing_support::ScratchDirectory directory_;
    testing_support::OwnerWindow window_;
    VirtualHeadset headset_{VirtualHeadset::Family::Older, 400};
};

TEST_F(RestoreTest, GainReportThenMicrophoneThenHeadphonePresetForEachIndex) {
    struct Case {
        LONG maximum;
        int mic;
        VirtualHid::GainReport gain;
    };
    const Case cases[] = {{100, 0, {0, true}},    {100, 1, {75, false}}, {100, 2, {75, false}},
                          {100, 3, {0, true}},    {255, 0, {0, true}},   {255, 1, {191, false}},
                          {255, 2, {191, false}}, {255, 3, {0, true}}};
    for (int h = 0; h < 7; ++h) {
        directory_.Write("HS400" + std::to_string(h + 1) + ".BIN", Pattern(94, BYTE(h)));
    }
    for (int m = 0; m < 4; ++m) {
        directory_.Write("MIC400" + std::to_string(m + 1) + ".BIN", Pattern(94, BYTE(100 + m)));
    }
    int headphone = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "range 0.." << c.maximum << ", mic " << c.mic);
        PlugWithGainRange(c.maximum);
        Changes();
        SetPresets(c.mic, headphone);
        const std::size_t blocksBefore = headset_.Pipe().Blocks().size();
        const tray::RestoreFields fields = Restore();
        EXPECT_TRUE(fields.headsetAttached);
        EXPECT_EQ(fields.model, 400);
        EXPECT_EQ(headset_.Hid().LastGainReport(), c.gain);
        const Blocks blocks = headset_.Pipe().Blocks();
        ASSERT_EQ(blocks.size(), blocksBefore + 2);
        EXPECT_EQ(blocks[blocksBefore], Pattern(94, BYTE(100 + c.mic)));
        EXPECT_EQ(blocks[blocksBefore + 1], Pattern(94, BYTE(headphone)));
        EXPECT_EQ(Changes(),
                  (std::vector<Change>{Change::GainReport, Change::Download, Change::Download}));
        ExpectNothingLeft();
        headphone = (headphone + 1) % 7;
    }
}

TEST_F(RestoreTest, AnEmptyRegistryRestoresPresetTwoOfTheDefaultDirectoryAndCreatesNothing) {
    hklm_.DeleteKey("Software");
    const auto before = testing_support::SnapshotTree(HKEY_LOCAL_MACHINE);
    const tray::RestoreFields fields = Restore();
    EXPECT_EQ(fields.settings.directory, "c:\\Program Files\\Tavimo\\");
    EXPECT_EQ(fields.settings.micPreset, 1);
    EXPECT_EQ(fields.settings.headsetPreset, 1);
    EXPECT_EQ(testing_support::SnapshotTree(HKEY_LOCAL_MACHINE), before);
    EXPECT_TRUE(testing_support::SnapshotTree(HKEY_LOCAL_MACHINE, "Software").empty());
    ExpectNothingLeft();
}

TEST_F(RestoreTest, ShortLongAndUnreadablePresetFiles) {
    SetPresets(1, 1);
    directory_.Write("MIC4002.BIN", Pattern(93));
    directory_.Write("HS4002.BIN", Pattern(95, 7));
    Restore();
    std::vector<BYTE> cut = Pattern(95, 7);
    cut.pop_back();
    EXPECT_EQ(headset_.Pipe().Blocks(), (Blocks{cut}));

    SetPresets(2, 3);
    directory_.MakeFolder("MIC4003.BIN");
    directory_.Write("HS4004.BIN", Pattern(94, 5));
    Restore();
    EXPECT_EQ(headset_.Pipe().Blocks(), (Blocks{cut, Pattern(94, 5)}));
    // Three quarters of the virtual headset's range 0..15, unmuted.
    EXPECT_EQ(headset_.Hid().LastGainReport(), (VirtualHid::GainReport{11, false}));
    ExpectNothingLeft();
}

TEST_F(RestoreTest, ABackwardRangeSendsNoGainButThePresetsStillGo) {
    SetPresets(1, 1);
    directory_.Write("MIC4002.BIN", Pattern(94, 1));
    directory_.Write("HS4002.BIN", Pattern(94, 2));
    VirtualHid::Device device = VirtualHeadset::HidDevice(VirtualHeadset::Family::Older, 400);
    device.gainMinimum = 100;
    device.gainMaximum = 50;
    headset_.Plug(VirtualHeadset::Family::Older, device);
    Restore();
    EXPECT_TRUE(headset_.Hid().OutputReports().empty());
    EXPECT_EQ(headset_.Pipe().Blocks(), (Blocks{Pattern(94, 1), Pattern(94, 2)}));
    ExpectNothingLeft();
}

TEST_F(RestoreTest, AFailedPipeWriteIsNotTriedAgain) {
    SetPresets(1, 1);
    directory_.Write("MIC4002.BIN", Pattern(94, 1));
    directory_.Write("HS4002.BIN", Pattern(94, 2));
    headset_.Pipe().FailWrites(1);
    Restore();
    EXPECT_EQ(headset_.Pipe().WriteCalls(), 2);
    EXPECT_EQ(headset_.Pipe().Blocks(), (Blocks{Pattern(94, 2)}));
    EXPECT_TRUE(headset_.Platform().Waits().empty());
    ExpectNothingLeft();
}

TEST_F(RestoreTest, TheModelCodeFollowsTheSerialAndFallsBackTo300) {
    SetPresets(0, 0);
    directory_.Write("HS3001.BIN", Pattern(94, 3));
    VirtualHid::Device device = VirtualHeadset::HidDevice(VirtualHeadset::Family::Older, 400);
    device.serial = L"X-1-1";
    headset_.Plug(VirtualHeadset::Family::Older, device);
    const tray::RestoreFields fields = Restore();
    EXPECT_EQ(fields.model, 300);
    EXPECT_EQ(headset_.Pipe().Blocks(), (Blocks{Pattern(94, 3)}));
}

TEST_F(RestoreTest, NothingReachesAnAbsentOrRefusedHeadset) {
    SetPresets(1, 1);
    directory_.Write("MIC4002.BIN", Pattern(94));
    headset_.Platform().FailRegistrations(2);  // the interface's and the headset's handle
    EXPECT_FALSE(Restore().headsetAttached);
    headset_.Unplug();
    EXPECT_FALSE(Restore().headsetAttached);
    EXPECT_TRUE(headset_.Hid().OutputReports().empty());
    EXPECT_TRUE(headset_.Pipe().Blocks().empty());
    ExpectNothingLeft();
}

TEST_F(RestoreTest, AnUnplugAfterTheGainReportEndsTheRestoreQuietly) {
    SetPresets(1, 1);
    directory_.Write("MIC4002.BIN", Pattern(94));
    directory_.Write("HS4002.BIN", Pattern(94));
    headset_.Hid().SetOutputObserver([this] { headset_.Unplug(); });
    Restore();
    headset_.Hid().SetOutputObserver({});
    EXPECT_EQ(headset_.Hid().OutputReports().size(), 1u);
    EXPECT_TRUE(headset_.Pipe().Blocks().empty());
    ExpectNothingLeft();
}

TEST_F(RestoreTest, PowerEventsRestoreWhenAResumeBringsTheCountToZero) {
    int restores = 0;
    tray::PowerBroadcast power([&] {
        ++restores;
        Restore();
    });
    EXPECT_EQ(power.OnPowerBroadcast(PBT_APMQUERYSUSPEND), TRUE);
    EXPECT_EQ(power.OnPowerBroadcast(PBT_APMQUERYSUSPEND), TRUE);
    EXPECT_EQ(power.Count(), 2);
    EXPECT_EQ(power.OnPowerBroadcast(PBT_APMRESUMESUSPEND), TRUE);
    EXPECT_EQ(power.Count(), 1);
    EXPECT_EQ(restores, 0);
    EXPECT_EQ(power.OnPowerBroadcast(PBT_APMRESUMESUSPEND), TRUE);
    EXPECT_EQ(restores, 1);
    // A refused standby takes its query back; a resume without one restores.
    EXPECT_EQ(power.OnPowerBroadcast(PBT_APMQUERYSUSPEND), TRUE);
    EXPECT_EQ(power.OnPowerBroadcast(PBT_APMQUERYSUSPENDFAILED), TRUE);
    EXPECT_EQ(power.OnPowerBroadcast(PBT_APMRESUMESUSPEND), TRUE);
    EXPECT_EQ(power.Count(), 0);
    EXPECT_EQ(restores, 2);
    EXPECT_EQ(power.OnPowerBroadcast(PBT_APMPOWERSTATUSCHANGE), 0);
    EXPECT_EQ(restores, 2);
}

TEST_F(RestoreTest, AHundredCyclesPluggedAndUnpluggedLeaveNothingBehind) {
    SetPresets(2, 4);
    directory_.Write("MIC4003.BIN", Pattern(94));
    directory_.Write("HS4005.BIN", Pattern(94));
    tray::PowerBroadcast power([this] { Restore(); });
    for (int cycle = 0; cycle < 100; ++cycle) {
        if (cycle % 2 == 0) {
            headset_.Plug();
        } else {
            headset_.Unplug();
        }
        power.OnPowerBroadcast(PBT_APMQUERYSUSPEND);
        power.OnPowerBroadcast(PBT_APMRESUMESUSPEND);
        ExpectNothingLeft();
    }
    EXPECT_EQ(headset_.Pipe().Blocks().size(), 100u);
    EXPECT_EQ(headset_.Hid().OutputReports().size(), 50u);
}

}  // namespace
