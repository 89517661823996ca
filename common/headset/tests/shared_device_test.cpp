// The device parts every program shares, against the virtual headset: the
// interface walk, identity and strings, the gain report and the pipe search.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hid_identity.h"
#include "hid_report.h"
#include "interface_walk.h"
#include "pipe_interface.h"
#include "virtual_hid.h"
#include "virtual_pipe.h"

namespace {

using devices::VirtualHid;
using devices::VirtualPipe;

VirtualHid::Device WithSerial(std::wstring serial) {
    VirtualHid::Device device;
    device.serial = std::move(serial);
    return device;
}

// One device of hid opened for writing, with its identity read.
struct OpenDevice {
    OpenDevice(VirtualHid& hid, std::size_t index) : api(hid), preparsed(hid) {
        handle = hid.CreateDeviceFile(VirtualHid::Path(index).c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, 0);
        readable = ReadHidIdentity(hid, handle, preparsed, identity);
    }
    ~OpenDevice() {
        preparsed.reset();
        api.CloseHandle(handle);
    }
    headset::HidReport Output() {
        const HIDP_CAPS& caps = identity.caps;
        return headset::LoadReport(api, preparsed.get(), HidP_Output, caps.NumberOutputButtonCaps,
                                   caps.NumberOutputValueCaps, caps.OutputReportByteLength);
    }

    VirtualHid& api;
    HANDLE handle;
    headset::PreparsedData preparsed;
    headset::HidIdentity identity;
    bool readable;
};

}  // namespace

TEST(InterfaceWalk, VisitsInOrderAndStopsAtTheAcceptedPath) {
    VirtualHid hid({WithSerial(L"100"), WithSerial(L"200"), WithSerial(L"300")});
    std::vector<std::string> seen;
    const std::string accepted =
        headset::WalkInterfaces(hid, VirtualHid::kHidClass, [&](const std::string& path) {
            seen.push_back(path);
            return seen.size() == 2;
        });
    EXPECT_EQ(accepted, VirtualHid::Path(1));
    EXPECT_EQ(seen, (std::vector<std::string>{VirtualHid::Path(0), VirtualHid::Path(1)}));

    seen.clear();
    hid.Unplug(1);
    EXPECT_EQ(headset::WalkInterfaces(hid, VirtualHid::kHidClass,
                                      [&](const std::string& path) {
                                          seen.push_back(path);
                                          return false;
                                      }),
              "");
    EXPECT_EQ(seen, (std::vector<std::string>{VirtualHid::Path(0), VirtualHid::Path(2)}));
    EXPECT_EQ(hid.OpenHandles(), 0);
}

TEST(PipeInterface, TheFirstAcceptedInterfaceAndItsPipe) {
    VirtualPipe pipe;
    const std::string path = headset::FindPipeInterface(pipe);
    EXPECT_EQ(path, VirtualPipe::kInterfacePath);
    EXPECT_EQ(headset::PipePath(path), path + "\\PIPE00");
    EXPECT_EQ(headset::FindPipeInterface(pipe, [](const std::string&) { return false; }), "");
    pipe.SetPresent(false);
    EXPECT_EQ(headset::FindPipeInterface(pipe), "");
}

TEST(PipeInterface, AnOpenedPipeIsClosedOnceAndAFailedOpenNever) {
    VirtualPipe pipe;
    const std::string path = headset::PipePath(headset::FindPipeInterface(pipe));
    {
        const headset::PipeHandle opened = headset::OpenPipe(pipe, path);
        EXPECT_TRUE(opened);
        EXPECT_EQ(pipe.OpenHandles(), 1);
    }
    EXPECT_EQ(pipe.OpenHandles(), 0);
    pipe.FailOpens(1);
    EXPECT_FALSE(headset::OpenPipe(pipe, path));
    EXPECT_EQ(pipe.OpenHandles(), 0);
}

TEST(HidIdentity, ReadsTheDeviceAndReleasesItsPreparsedDataOnce) {
    VirtualHid hid({VirtualHid::Device{}});
    {
        OpenDevice device(hid, 0);
        ASSERT_TRUE(device.readable);
        EXPECT_EQ(device.identity.attributes.VendorID, 0xA5C1);
        EXPECT_EQ(device.identity.attributes.ProductID, 0x0B52);
        EXPECT_EQ(hid.LivePreparsedData(), 1);
        ASSERT_TRUE(device.preparsed.Read(device.handle));  // a second read frees the first
        EXPECT_EQ(hid.LivePreparsedData(), 1);
    }
    EXPECT_EQ(hid.LivePreparsedData(), 0);

    VirtualHid::Device faulty;
    faulty.failPreparsedData = true;
    VirtualHid refusing({faulty});
    OpenDevice device(refusing, 0);
    EXPECT_FALSE(device.readable);
    EXPECT_FALSE(device.preparsed);
}

TEST(HidIdentity, AnUnterminatedStringIsCutInsideItsBuffer) {
    VirtualHid::Device device = WithSerial(std::wstring(300, L'7'));
    device.unterminatedStrings = true;
    VirtualHid hid({device});
    OpenDevice open(hid, 0);
    const auto serial =
        headset::ReadHidString(hid, &devices::HidApi::GetSerialNumberString, open.handle);
    ASSERT_TRUE(serial.has_value());
    EXPECT_EQ(*serial, std::wstring(255, L'7'));
    // 255 characters fit the ANSI room; one more does not and is refused.
    EXPECT_EQ(headset::ToAnsi(*serial), std::string(255, '7'));
    EXPECT_FALSE(headset::ToAnsi(std::wstring(256, L'7')).has_value());
    EXPECT_EQ(headset::ToAnsi(L""), "");
}

TEST(GainReport, CarriesTheValueAndTheMuteBit) {
    VirtualHid::Device device;
    device.gainMaximum = 255;
    VirtualHid hid({device});
    OpenDevice open(hid, 0);
    headset::HidReport output = open.Output();
    EXPECT_EQ(headset::ValueRange(output, headset::kConsumerPage, headset::kGainUsage),
              (std::pair<LONG, LONG>{0, 255}));
    EXPECT_FALSE(headset::ValueRange(output, headset::kConsumerPage, 0xE1).has_value());

    ASSERT_TRUE(
        headset::WriteGainReport(hid, open.handle, open.preparsed.get(), output, 191, false));
    EXPECT_EQ(hid.LastGainReport(), (VirtualHid::GainReport{191, false}));
    ASSERT_TRUE(headset::WriteGainReport(hid, open.handle, open.preparsed.get(), output, 0, true));
    EXPECT_EQ(hid.LastGainReport(), (VirtualHid::GainReport{0, true}));
}

TEST(GainReport, ADeviceWithoutOutputReportIsWrittenNothing) {
    VirtualHid::Device device;
    device.hasOutputReport = false;
    VirtualHid hid({device});
    OpenDevice open(hid, 0);
    headset::HidReport output = open.Output();
    EXPECT_TRUE(output.buffer.empty());
    EXPECT_FALSE(headset::ValueRange(output, headset::kConsumerPage, headset::kGainUsage));
    EXPECT_FALSE(
        headset::WriteGainReport(hid, open.handle, open.preparsed.get(), output, 5, false));
    EXPECT_TRUE(hid.OutputReports().empty());
}
