// The HID side of the headset model against the virtual headset, and
// against Wine's own HID devices.
#include "hid_headset.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

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

// Wine's own mouse and keyboard are HID devices of another vendor.
VirtualHid::Device WineMouse() {
    VirtualHid::Device mouse;
    mouse.vendorId = 0x845E;
    mouse.productId = 0x0001;
    mouse.serial = L"0000";
    return mouse;
}

// Button messages that reach window until count arrived or a safety limit
// passed (the reader thread posts them).
Buttons WaitForButtons(HWND window, std::size_t count) {
    Buttons received;
    const DWORD start = GetTickCount();  // a difference of tick counts survives a wrap
    while (received.size() < count && GetTickCount() - start < 10000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_POSTMESSAGE);
        MSG message;
        while (PeekMessageA(&message, window, headset::kButtonMessage, headset::kButtonMessage,
                            PM_REMOVE)) {
            received.push_back({message.wParam, message.lParam});
        }
    }
    return received;
}

// Waits until the reader thread has a read pending (or the limit passes).
bool WaitForPendingRead(const VirtualHid& hid) {
    for (int i = 0; i < 500 && !hid.ReadPending(); ++i) {
        Sleep(10);
    }
    return hid.ReadPending();
}

// Opens the headset with window as its notify window, and waits until its
// reader has a read pending.
void OpenListening(HidHeadset& headset, const VirtualHid& hid, HWND window) {
    ASSERT_EQ(headset.FindAndOpen(), 1);
    headset.SetNotifyWindow(window);
    ASSERT_TRUE(WaitForPendingRead(hid));
}

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
    testing_support::OwnerWindow window;
    VirtualHid hid({VirtualHid::Device{}});
    HidHeadset headset(hid);
    OpenListening(headset, hid, window.get());
    hid.SendInputReport(VirtualHid::kMuteBit);
    EXPECT_EQ(WaitForButtons(window.get(), 1), (Buttons{{0x0C, 0xE2}}));
    ASSERT_TRUE(WaitForPendingRead(hid));
    hid.SendInputReport(0);  // released: nothing
    ASSERT_TRUE(WaitForPendingRead(hid));
    hid.SendInputReport(VirtualHid::kMuteBit);
    EXPECT_EQ(WaitForButtons(window.get(), 1), (Buttons{{0x0C, 0xE2}}));
}

TEST(HidHeadset, ARangeGroupPostsEveryUsage) {
    testing_support::OwnerWindow window;
    VirtualHid::Device device;
    device.hasVolumeRange = true;
    VirtualHid hid({device});
    HidHeadset headset(hid);
    OpenListening(headset, hid, window.get());
    hid.SendInputReport(VirtualHid::kVolumeUpBit);
    EXPECT_EQ(WaitForButtons(window.get(), 2), (Buttons{{0x0C, 0xE9}, {0x0C, 0xEA}}));
}

TEST(HidHeadset, UnpluggingEndsTheReader) {
    testing_support::OwnerWindow window;
    VirtualHid hid({VirtualHid::Device{}});
    HidHeadset headset(hid);
    OpenListening(headset, hid, window.get());
    hid.Unplug(0);
    for (int i = 0; i < 500 && headset.IsReading(); ++i) {
        Sleep(10);
    }
    EXPECT_FALSE(headset.IsReading());
    EXPECT_TRUE(headset.IsOpen());  // open until closed
    EXPECT_TRUE(WaitForButtons(window.get(), 0).empty());
    headset.Close();
    EXPECT_EQ(hid.OpenHandles(), 0);
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
    EXPECT_TRUE(WaitForButtons(window.get(), 0).empty());
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_POSTMESSAGE);
    EXPECT_FALSE(PeekMessageA(&message, window.get(), headset::kButtonMessage,
                              headset::kButtonMessage, PM_REMOVE));
    EXPECT_EQ(hid.OpenHandles(), 0);
    EXPECT_EQ(hid.LivePreparsedData(), 0);
}

TEST(SystemHid, WinesOwnDevicesAreNotTheHeadset) {
    HidHeadset headset(devices::SystemHid());
    EXPECT_EQ(headset.FindAndOpen(), 0);
}

}  // namespace
