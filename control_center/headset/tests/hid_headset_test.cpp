// The HID side of the headset model against the virtual headset, and
// against Wine's own HID devices.
#include "hid_headset.h"

#include <gtest/gtest.h>

#include <atomic>
#include <ostream>
#include <thread>
#include <vector>

#include "hid_usages.h"
#include "test_window.h"
#include "virtual_hid.h"

namespace {

using devices::VirtualHid;
using headset::HidHeadset;

struct Button {
    WPARAM page;
    LPARAM usage;
    bool operator==(const Button&) const = default;
};
using Buttons = std::vector<Button>;

void PrintTo(const Button& button, std::ostream* out) {
    *out << std::hex << "(0x" << button.page << ", 0x" << button.usage << ")";
}

// Wine's own mouse and keyboard are HID devices of another vendor.
VirtualHid::Device WineMouse() {
    VirtualHid::Device mouse;
    mouse.vendorId = 0x845E;
    mouse.productId = 0x0001;
    mouse.serial = L"0000";
    return mouse;
}

// Waits until the reader thread has a read pending (or the limit passes).
bool WaitForPendingRead(const VirtualHid& hid) {
    for (int i = 0; i < 500 && !hid.ReadPending(); ++i) {
        Sleep(10);
    }
    return hid.ReadPending();
}

// The button messages posted to window so far: a sentinel posted now comes
// after every one of them.
Buttons ButtonsPosted(HWND window) {
    constexpr UINT kSentinel = WM_APP + 77;
    PostMessageA(window, kSentinel, 0, 0);
    Buttons received;
    MSG message;
    while (GetMessageA(&message, window, 0, 0) > 0 && message.message != kSentinel) {
        if (message.message == headset::kButtonMessage) {
            received.push_back({message.wParam, message.lParam});
        }
    }
    return received;
}

// A virtual headset of one device, opened with a window to post to, its
// reader waiting on a read.
struct Listening {
    explicit Listening(const VirtualHid::Device& device = {}) : hid({device}), headset(hid) {
        EXPECT_EQ(headset.FindAndOpen(), 1);
        headset.SetNotifyWindow(window.get());
        EXPECT_TRUE(WaitForPendingRead(hid));
    }

    // The button messages one input report gives. The report completes the
    // read the reader waits on; the reader has posted all it will for it
    // once it waits on the next read.
    Buttons Report(BYTE buttons, BYTE reportId = VirtualHid::kReportId) {
        EXPECT_TRUE(WaitForPendingRead(hid));
        hid.SendInputReport(buttons, reportId);
        EXPECT_TRUE(WaitForPendingRead(hid));
        return ButtonsPosted(window.get());
    }

    testing_support::OwnerWindow window;
    VirtualHid hid;
    HidHeadset headset;
};

TEST(HidHeadset, OpensTheMakersDeviceAndReadsItsIdentity) {
    VirtualHid hid({WineMouse(), VirtualHid::Device{}});
    HidHeadset headset(hid);
    ASSERT_EQ(headset.FindAndOpen(), 1);
    EXPECT_TRUE(headset.IsOpen());
    EXPECT_EQ(headset.VendorId(), 0xA5C1);
    EXPECT_EQ(headset.ProductId(), 0x0B52);
    EXPECT_EQ(headset.Manufacturer(), "Quorvel");
    EXPECT_EQ(headset.SerialNumber(), "200-0417-0102");
    EXPECT_EQ(headset.ModelNumber(), 200);
    headset.Close();
    EXPECT_EQ(headset.SerialNumber(), "");
    EXPECT_EQ(hid.OpenHandles(), 0);
    EXPECT_EQ(hid.LivePreparsedData(), 0);
}

TEST(HidHeadset, WithoutTheMakersDeviceNothingOpens) {
    VirtualHid hid({WineMouse()});
    HidHeadset headset(hid);
    EXPECT_EQ(headset.FindAndOpen(), 0);
    EXPECT_FALSE(headset.IsOpen());
    EXPECT_EQ(hid.OpenHandles(), 0);
}

TEST(HidHeadset, AFailedOpenClosesEverythingAndTriesTheNext) {
    VirtualHid::Device broken;
    broken.failPreparsedData = true;
    VirtualHid::Device good;
    good.productId = 0x0D31;
    VirtualHid hid({broken, good});
    HidHeadset headset(hid);
    ASSERT_EQ(headset.FindAndOpen(), 1);
    EXPECT_EQ(headset.ProductId(), 0x0D31);
    EXPECT_EQ(hid.OpenHandles(), 2);  // the good one's read and write handles only
}

TEST(HidHeadset, MuteButtonIsPostedOncePerPress) {
    Listening device;
    EXPECT_EQ(device.Report(VirtualHid::kMuteBit), (Buttons{{0x0C, 0xE2}}));
    EXPECT_EQ(device.Report(0), Buttons{});  // released: nothing
    EXPECT_EQ(device.Report(VirtualHid::kMuteBit), (Buttons{{0x0C, 0xE2}}));
}

TEST(HidHeadset, AReportThatCannotBeDecodedPostsNothing) {
    Listening device;
    EXPECT_EQ(device.Report(VirtualHid::kMuteBit), (Buttons{{0x0C, 0xE2}}));
    // Not the press of the report before it again.
    constexpr BYTE kForeignReportId = 7;
    EXPECT_EQ(device.Report(VirtualHid::kMuteBit, kForeignReportId), Buttons{});
    EXPECT_EQ(device.Report(0, kForeignReportId), Buttons{});
}

TEST(HidHeadset, ARangeGroupPostsEveryUsage) {
    VirtualHid::Device withRange;
    withRange.hasVolumeRange = true;
    Listening device(withRange);
    EXPECT_EQ(device.Report(VirtualHid::kVolumeUpBit), (Buttons{{0x0C, 0xE9}, {0x0C, 0xEA}}));
}

// The value queries the reader makes for one report of a device.
int ValueQueriesForOneReport(const VirtualHid::Device& faulty) {
    Listening device(faulty);
    EXPECT_EQ(device.Report(VirtualHid::kMuteBit), (Buttons{{0x0C, 0xE2}}));
    return device.hid.UsageValueQueries();
}

TEST(HidHeadset, AWideValueRangeIsCut) {
    VirtualHid::Device faulty;
    faulty.inputValueGroups = 1;
    faulty.inputValueLastUsage = 0xFFFF;
    EXPECT_EQ(ValueQueriesForOneReport(faulty), static_cast<int>(headset::kMaxGroupUsages));
}

TEST(HidHeadset, OnlySoManyValueGroupsAreKept) {
    VirtualHid::Device faulty;
    faulty.inputValueGroups = 0xFFFF;
    EXPECT_EQ(ValueQueriesForOneReport(faulty), static_cast<int>(headset::kMaxReportGroups));
}

TEST(HidHeadset, AClaimedUsageListLengthIsCut) {
    // The claims grow, so that a reader without the cut fails at the small one.
    for (const ULONG claimed : {0x10000ul, 0xFFFFFFFFul}) {
        VirtualHid::Device faulty;
        faulty.claimedUsageListLength = claimed;
        Listening device(faulty);
        EXPECT_EQ(device.Report(VirtualHid::kMuteBit), (Buttons{{0x0C, 0xE2}}));
        ASSERT_LE(device.hid.LargestUsageListOffered(), headset::kMaxPressedUsages) << claimed;
    }
}

TEST(HidHeadset, UnpluggingEndsTheReader) {
    Listening device;
    device.hid.Unplug(0);
    for (int i = 0; i < 500 && device.headset.IsReading(); ++i) {
        Sleep(10);
    }
    EXPECT_FALSE(device.headset.IsReading());
    EXPECT_TRUE(device.headset.IsOpen());                      // open until closed
    EXPECT_EQ(ButtonsPosted(device.window.get()), Buttons{});  // the failed read gave nothing
    device.headset.Close();
    EXPECT_EQ(device.hid.OpenHandles(), 0);
}

TEST(HidHeadset, CloseCancelsAPendingRead) {
    VirtualHid hid({VirtualHid::Device{}});
    HidHeadset headset(hid);
    ASSERT_EQ(headset.FindAndOpen(), 1);
    ASSERT_TRUE(WaitForPendingRead(hid));
    headset.Close();
    EXPECT_FALSE(hid.ReadPending());
    EXPECT_EQ(hid.OpenHandles(), 0);
    EXPECT_EQ(hid.LivePreparsedData(), 0);
}

TEST(HidHeadset, GainReportCarriesValueAndMute) {
    VirtualHid hid({VirtualHid::Device{}});
    HidHeadset headset(hid);
    ASSERT_EQ(headset.FindAndOpen(), 1);
    EXPECT_EQ(headset.OutputValueRange(0x0C, 0xE0), (std::pair<LONG, LONG>{0, 15}));
    EXPECT_EQ(headset.OutputValueRange(0x0C, 0xE2), (std::pair<LONG, LONG>{-1, -1}));
    EXPECT_EQ(headset.SendGainReport(7, false), 1);
    EXPECT_EQ(headset.SendGainReport(300, true), 1);
    const auto reports = hid.OutputReports();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0], (std::vector<BYTE>{0, 0, 7, 0}));
    EXPECT_EQ(reports[1], (std::vector<BYTE>{0, 1, 0x2C, 0x01}));
}

TEST(HidHeadset, NoOutputReportNoGainReport) {
    VirtualHid::Device device;
    device.hasOutputReport = false;
    VirtualHid hid({device});
    HidHeadset headset(hid);
    ASSERT_EQ(headset.FindAndOpen(), 1);
    EXPECT_EQ(headset.SendGainReport(7, true), 0);
    EXPECT_EQ(headset.OutputValueRange(0x0C, 0xE0), (std::pair<LONG, LONG>{-1, -1}));
    headset.Close();
    EXPECT_EQ(headset.SendGainReport(7, true), 0);
}

TEST(HidHeadset, ReaderUnderLoadWhileTheFrameReopens) {
    testing_support::OwnerWindow window;
    VirtualHid hid({VirtualHid::Device{}});
    HidHeadset headset(hid);
    std::atomic<bool> running{true};
    std::thread device([&] {
        while (running) {
            hid.SendInputReport(VirtualHid::kMuteBit);
            hid.SendInputReport(0);
        }
    });
    for (int i = 0; i < 30; ++i) {
        ASSERT_EQ(headset.FindAndOpen(), 1);
        headset.SetNotifyWindow(window.get());
        Sleep(5);
        headset.SetNotifyWindow(nullptr);
        headset.SetNotifyWindow(window.get());
        headset.Close();
    }
    running = false;
    device.join();
    // Nothing arrives after the last close.
    MSG message;
    while (PeekMessageA(&message, window.get(), 0, 0, PM_REMOVE)) {
    }
    hid.SendInputReport(VirtualHid::kMuteBit);
    EXPECT_EQ(ButtonsPosted(window.get()), Buttons{});
    EXPECT_FALSE(hid.ReadPending());
    EXPECT_EQ(hid.OpenHandles(), 0);
    EXPECT_EQ(hid.LivePreparsedData(), 0);
}

TEST(SystemHid, WinesOwnDevicesAreNotTheHeadset) {
    HidHeadset headset(devices::SystemHid());
    EXPECT_EQ(headset.FindAndOpen(), 0);
}

}  // namespace
