// Finding the headset among the HID devices and sending it the gain report,
// against the virtual headset's HID side.
#include "usb_mgr.h"

#include <gtest/gtest.h>

#include "hid_device.h"
#include "test_window.h"
#include "virtual_hid.h"
#include "virtual_platform.h"

namespace {

using devices::VirtualHid;

VirtualHid::Device Headset(const wchar_t* serial) {
    VirtualHid::Device device;
    device.serial = serial;
    return device;
}

VirtualHid::Device OtherDevice(USHORT vendor, USHORT product) {
    VirtualHid::Device device = Headset(L"999-1-1");
    device.vendorId = vendor;
    device.productId = product;
    return device;
}

class UsbMgrTest : public ::testing::Test {
protected:
    void Use(std::vector<VirtualHid::Device> devices) {
        hid_ = std::make_unique<VirtualHid>(devices);
    }
    void TearDown() override {
        if (hid_) {
            EXPECT_EQ(hid_->OpenHandles(), 0);
            EXPECT_EQ(hid_->LivePreparsedData(), 0);
        }
        EXPECT_EQ(platform_.LiveRegistrations(), 0);
    }
    // The serial text of the headset attached, or nothing.
    std::optional<std::string> AttachedSerial() {
        tray::CUsbMgr usb(*hid_, platform_);
        usb.Initialise(window_.get());
        tray::CHidDevice device(*hid_);
        if (!usb.AttachHeadset(device)) {
            return std::nullopt;
        }
        EXPECT_EQ(platform_.LiveRegistrations(), 2);  // the class and the headset's handle
        EXPECT_EQ(usb.Attached(), &device);
        return device.SerialText();
    }
    // The gain report the headset takes for value and mute, or nothing.
    std::optional<VirtualHid::GainReport> SendGain(std::uint16_t value, bool mute) {
        tray::CUsbMgr usb(*hid_, platform_);
        usb.Initialise(window_.get());
        tray::CHidDevice found(*hid_);
        EXPECT_TRUE(usb.AttachHeadset(found));
        tray::CHidDevice writer(*hid_);
        writer.AttachNode(found.AttachedNode());
        EXPECT_TRUE(writer.OpenForWriting());
        range_ = writer.OutputRange();
        sent_ = writer.SendGainReport(value, mute);
        return hid_->LastGainReport();
    }

    testing_support::OwnerWindow window_;
    devices::VirtualPlatform platform_;
    std::unique_ptr<VirtualHid> hid_;
    std::optional<tray::GainRange> range_;
    bool sent_ = false;
};

TEST_F(UsbMgrTest, TheFirstDeviceOfTheVendorAndOlderProductIsTheHeadset) {
    Use({OtherDevice(0x845E, 0x0B52), OtherDevice(0xA5C1, 0x0D31), Headset(L"400-1-1"),
         Headset(L"500-2-2")});
    EXPECT_EQ(AttachedSerial(), "400-1-1");
}

TEST_F(UsbMgrTest, NoHeadsetAmongOtherDevices) {
    Use({OtherDevice(0x845E, 0x0001), OtherDevice(0xA5C1, 0x0D31)});
    tray::CUsbMgr usb(*hid_, platform_);
    usb.Initialise(window_.get());
    EXPECT_EQ(usb.Nodes().size(), 2u);
    EXPECT_FALSE(usb.HeadsetPresent());
    tray::CHidDevice device(*hid_);
    EXPECT_FALSE(usb.AttachHeadset(device));
    EXPECT_EQ(device.AttachedNode(), nullptr);
}

TEST_F(UsbMgrTest, ADeviceWithoutPreparsedDataIsLeftOut) {
    VirtualHid::Device broken = Headset(L"100-1-1");
    broken.failPreparsedData = true;
    Use({broken, Headset(L"300-1-1")});
    EXPECT_EQ(AttachedSerial(), "300-1-1");
}

TEST_F(UsbMgrTest, ARefusedHandleRegistrationLeavesTheHeadsetAbsent) {
    Use({Headset(L"400-1-1")});
    tray::CUsbMgr usb(*hid_, platform_);
    usb.Initialise(window_.get());
    EXPECT_TRUE(usb.HeadsetPresent());
    platform_.FailRegistrations(1);
    tray::CHidDevice device(*hid_);
    EXPECT_FALSE(usb.AttachHeadset(device));
    EXPECT_EQ(usb.Attached(), nullptr);
    EXPECT_EQ(platform_.LiveRegistrations(), 1);
}

TEST_F(UsbMgrTest, AnUnterminatedLongSerialIsCutNotOverrun) {
    VirtualHid::Device device = Headset(std::wstring(300, L'7').c_str());
    device.unterminatedStrings = true;
    Use({device});
    const auto serial = AttachedSerial();
    ASSERT_TRUE(serial.has_value());
    EXPECT_EQ(*serial, std::string(255, '7'));
}

TEST_F(UsbMgrTest, GainAndMuteInTheOutputReport) {
    VirtualHid::Device device = Headset(L"400-1-1");
    device.gainMaximum = 255;
    Use({device});
    EXPECT_EQ(SendGain(191, false), (VirtualHid::GainReport{191, false}));
    EXPECT_TRUE(sent_);
    ASSERT_TRUE(range_.has_value());
    EXPECT_EQ(range_->minimum, 0);
    EXPECT_EQ(range_->maximum, 255);
    EXPECT_EQ(SendGain(0, true), (VirtualHid::GainReport{0, true}));
}

TEST_F(UsbMgrTest, NegativeBoundsAreTakenAsSixteenBitNumbers) {
    VirtualHid::Device device = Headset(L"400-1-1");
    device.gainMinimum = -1;
    device.gainMaximum = 0x12345;
    Use({device});
    SendGain(1, false);
    ASSERT_TRUE(range_.has_value());
    EXPECT_EQ(range_->minimum, 0xFFFF);
    EXPECT_EQ(range_->maximum, 0x2345);
}

TEST_F(UsbMgrTest, NoReportWithoutAnOutputReportOrGainValue) {
    VirtualHid::Device noOutput = Headset(L"400-1-1");
    noOutput.hasOutputReport = false;
    Use({noOutput});
    EXPECT_EQ(SendGain(5, false), std::nullopt);
    EXPECT_FALSE(sent_);
    EXPECT_FALSE(range_.has_value());

    VirtualHid::Device noGain = Headset(L"400-1-1");
    noGain.hasGainValue = false;
    Use({noGain});
    EXPECT_EQ(SendGain(5, false), std::nullopt);
    EXPECT_FALSE(sent_);
    EXPECT_FALSE(range_.has_value());
}

TEST_F(UsbMgrTest, AnUnpluggedHeadsetDoesNotOpenForWriting) {
    Use({Headset(L"400-1-1")});
    tray::CUsbMgr usb(*hid_, platform_);
    usb.Initialise(window_.get());
    tray::CHidDevice found(*hid_);
    ASSERT_TRUE(usb.AttachHeadset(found));
    hid_->Unplug(0);
    tray::CHidDevice writer(*hid_);
    writer.AttachNode(found.AttachedNode());
    EXPECT_FALSE(writer.OpenForWriting());
    EXPECT_FALSE(writer.SendGainReport(1, false));
}

}  // namespace
