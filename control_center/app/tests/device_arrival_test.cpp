// The frame following a virtual headset of either family as it is plugged
// and unplugged: what it closes, reopens and rebuilds, and that many cycles
// leave nothing behind.
#include <windows.h>

#include <commctrl.h>
#include <dbt.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <cctype>

#include "frame_harness.h"
#include "layout_choice.h"
#include "main_frame.h"
#include "recording_desktop.h"
#include "test_window.h"
#include "virtual_headset.h"

namespace {

using devices::VirtualHeadset;
using Family = VirtualHeadset::Family;

// The frame with its full refresh counted.
class CountingFrame : public tavimo::CMainFrame {
public:
    using CMainFrame::CMainFrame;
    int refreshes = 0;

protected:
    void FullRefresh() override { ++refreshes; }
};

int ThreadsOfThisProcess() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        count += entry.th32OwnerProcessID == GetCurrentProcessId() ? 1 : 0;
    }
    CloseHandle(snapshot);
    return count;
}

bool Loaded(const char* library) {
    return GetModuleHandleA(library) != nullptr;
}

class DeviceArrivalTest : public ::testing::Test {
protected:
    void Start(Family family, int model) {
        headset = std::make_unique<VirtualHeadset>(family, model);
        frame = std::make_unique<CountingFrame>(headset->Devices(), desktop);
        ASSERT_TRUE(frame_tests::OpenFrame(*frame));
    }
    void TearDown() override {
        if (frame) {
            frame_tests::CloseFrame(*frame);
        }
    }
    HWND Window() const { return frame->GetSafeHwnd(); }
    headset::HeadsetAudio& Audio() { return frame->Audio(); }
    void Send(WPARAM event, LPARAM data = 0) {
        SendMessageA(Window(), WM_DEVICECHANGE, event, data);
    }

    testing_support::RecordingDesktop desktop;
    std::unique_ptr<VirtualHeadset> headset;
    std::unique_ptr<CountingFrame> frame;
};

TEST_F(DeviceArrivalTest, StartUpOpensTheWholeHeadsetAndPicksItsLayout) {
    Start(Family::Older, 200);
    EXPECT_TRUE(Audio().HeadsetReady());
    EXPECT_TRUE(Audio().MixerIsOpen());
    EXPECT_TRUE(desktop.dialogs.empty());
    EXPECT_EQ(frame->LayoutId(), tavimo::kLayoutPro);
    EXPECT_EQ(headset->Platform().Registered(), std::vector<HWND>{Window()});
    EXPECT_EQ(frame->refreshes, 1);
    // The pipe's interface list was given back.
    EXPECT_EQ(headset->Pipe().OpenSets(), 0);
}

TEST_F(DeviceArrivalTest, StartUpProblemsAreKeptForTheUser) {
    Start(Family::Older, 100);
    frame.reset();
    headset->Pipe().SetPresent(false);
    frame = std::make_unique<CountingFrame>(headset->Devices(), desktop);
    ASSERT_TRUE(frame_tests::OpenFrame(*frame));
    ASSERT_EQ(desktop.dialogs.size(), 1u);
    EXPECT_EQ(desktop.dialogs[0].titleId, 1124u);
    EXPECT_EQ(desktop.dialogs[0].textId, 1127u);
    EXPECT_EQ(frame->LayoutId(), tavimo::kLayoutHeadphone);
}

TEST_F(DeviceArrivalTest, OlderFamilyUnpluggedAndAnotherModelPluggedBack) {
    Start(Family::Older, 200);
    headset->Unplug();
    EXPECT_FALSE(Audio().HeadsetReady());
    EXPECT_FALSE(Audio().MixerIsOpen());
    EXPECT_EQ(headset->Hid().OpenHandles(), 0);
    // The product stays, the model is gone: the plain headphone layout.
    EXPECT_EQ(frame->LayoutId(), tavimo::kLayoutHeadphone);

    headset->Plug(Family::Older, 400);
    EXPECT_TRUE(Audio().HeadsetReady());
    EXPECT_TRUE(Audio().MixerIsOpen());
    EXPECT_EQ(Audio().ModelNumber(), 400);
    EXPECT_EQ(frame->LayoutId(), tavimo::kLayoutHeadphone);
    headset->Unplug();
    headset->Plug(Family::Older, 200);
    EXPECT_EQ(frame->LayoutId(), tavimo::kLayoutPro);
}

TEST_F(DeviceArrivalTest, OlderFamilyArrivalAloneChangesNothing) {
    Start(Family::Older, 300);
    const int refreshes = frame->refreshes;
    Send(DBT_DEVNODES_CHANGED);  // no arrival before it
    EXPECT_EQ(frame->refreshes, refreshes);
    headset->Platform().BroadcastInterface(DBT_DEVICEARRIVAL, "\\\\?\\hid#another");
    EXPECT_EQ(frame->refreshes, refreshes);
    const int handles = headset->Hid().OpenHandles();
    Send(DBT_DEVNODES_CHANGED);  // now everything is opened again, from scratch
    EXPECT_EQ(frame->refreshes, refreshes + 1);
    EXPECT_EQ(headset->Hid().OpenHandles(), handles);
    EXPECT_TRUE(Audio().HeadsetReady());
}

TEST_F(DeviceArrivalTest, AnotherDeviceGoingLeavesTheHeadsetOpen) {
    Start(Family::Older, 200);
    headset->Platform().BroadcastInterface(DBT_DEVICEREMOVECOMPLETE, "\\\\?\\hid#vid_845e#mouse");
    EXPECT_TRUE(Audio().HeadsetReady());
    EXPECT_TRUE(Audio().MixerIsOpen());
    // The headset's own path, in other letters, is the headset.
    std::string path = headset->HidPath();
    for (char& c : path) {
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    }
    headset->Platform().BroadcastInterface(DBT_DEVICEREMOVECOMPLETE, path);
    EXPECT_FALSE(Audio().MixerIsOpen());
}

TEST_F(DeviceArrivalTest, RemovalWithoutAnInterfaceBroadcastActsAsTheTableSays) {
    Start(Family::Older, 200);
    Send(DBT_DEVICEREMOVECOMPLETE, 0);
    EXPECT_FALSE(Audio().MixerIsOpen());
    EXPECT_FALSE(Audio().HeadsetReady());

    Send(DBT_DEVICEARRIVAL);
    Send(DBT_DEVNODES_CHANGED);
    ASSERT_TRUE(Audio().MixerIsOpen());
    DEV_BROADCAST_HDR volume = {sizeof volume, DBT_DEVTYP_VOLUME, 0};
    Send(DBT_DEVICEQUERYREMOVE, reinterpret_cast<LPARAM>(&volume));
    EXPECT_FALSE(Audio().MixerIsOpen());
    // With the mixer closed a removal has nothing to close or rebuild.
    const int refreshes = frame->refreshes;
    Send(DBT_DEVICEREMOVEPENDING, 0);
    EXPECT_EQ(frame->refreshes, refreshes);
}

TEST_F(DeviceArrivalTest, ASafeRemovalClosesAtItsQuery) {
    Start(Family::Older, 200);
    headset->RequestSafeRemoval();
    EXPECT_FALSE(Audio().MixerIsOpen());
    EXPECT_EQ(headset->Hid().OpenHandles(), 0);
}

TEST_F(DeviceArrivalTest, NewerFamilyGoesWhenItsCodecStopsAnswering) {
    Start(Family::Newer, 300);
    ASSERT_TRUE(Audio().HeadsetReady());
    EXPECT_EQ(frame->LayoutId(), tavimo::kLayoutDefault);
    // Removal events alone change nothing for this family.
    headset->Platform().BroadcastInterface(DBT_DEVICEREMOVECOMPLETE, headset->HidPath());
    EXPECT_TRUE(Audio().HeadsetReady());

    headset->Unplug();
    EXPECT_FALSE(Audio().HeadsetReady());
    EXPECT_FALSE(Audio().CodecLoaded());
    EXPECT_FALSE(Loaded("HSIO.DLL"));
    EXPECT_FALSE(Loaded("BANDCALC.DLL"));
    EXPECT_FALSE(Audio().MixerIsOpen());  // "winmm_devicechange" found no device

    headset->Plug(Family::Newer, 500);
    EXPECT_TRUE(Audio().HeadsetReady());
    EXPECT_TRUE(Audio().CodecLoaded());
    EXPECT_TRUE(Audio().MixerIsOpen());  // reopened by "winmm_devicechange"
    EXPECT_EQ(Audio().ModelNumber(), 500);
}

TEST_F(DeviceArrivalTest, AudioDevicesChangingReopensOnlyTheMixer) {
    Start(Family::Older, 200);
    const int refreshes = frame->refreshes;
    const int handles = headset->Hid().OpenHandles();
    SendMessageA(Window(), RegisterWindowMessageA("winmm_devicechange"), 0, 0);
    EXPECT_TRUE(Audio().MixerIsOpen());
    EXPECT_EQ(frame->refreshes, refreshes + 1);
    EXPECT_EQ(headset->Hid().OpenHandles(), handles);
}

// Many cycles of each family leave every count where it was.
class PlugCyclesTest : public DeviceArrivalTest, public ::testing::WithParamInterface<Family> {};

TEST_P(PlugCyclesTest, AHundredCyclesLeaveNothingBehind) {
    const Family family = GetParam();
    Start(family, 200);
    const int handles = headset->Hid().OpenHandles();
    const int threads = ThreadsOfThisProcess();
    const int items = testing_support::CountChildren(Window());
    const int bitmaps = tavimo::UniqueBitmap::Live();
    for (int cycle = 0; cycle < 100; ++cycle) {
        headset->Unplug();
        ASSERT_FALSE(Audio().HeadsetReady()) << cycle;
        ASSERT_FALSE(Loaded("HSIO.DLL")) << cycle;
        ASSERT_FALSE(Loaded("BANDCALC.DLL")) << cycle;
        headset->Plug(family, 200);
        ASSERT_TRUE(Audio().HeadsetReady()) << cycle;
        testing_support::PumpMessages();
    }
    EXPECT_EQ(headset->Hid().OpenHandles(), handles);
    EXPECT_EQ(headset->Hid().LivePreparsedData(), 1);
    EXPECT_EQ(headset->Pipe().OpenHandles(), 0);
    EXPECT_EQ(headset->Pipe().OpenSets(), 0);
    EXPECT_EQ(ThreadsOfThisProcess(), threads);
    EXPECT_TRUE(headset->Mixer().IsOpen());
    EXPECT_EQ(testing_support::CountChildren(Window()), items);
    EXPECT_EQ(tavimo::UniqueBitmap::Live(), bitmaps);
    Audio().CloseHeadset();
    EXPECT_FALSE(Loaded("HSIO.DLL"));
    EXPECT_FALSE(Loaded("BANDCALC.DLL"));
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, PlugCyclesTest,
                         ::testing::Values(Family::Older, Family::Newer));

}  // namespace
