#include "hardware_ids.h"

#include <gtest/gtest.h>

#include <string>

namespace setup {
namespace {

constexpr char kId[] = "USB\\Vid_A5C1&Pid_0D31";

bool Has(const std::string& bytes) {
    return HasHardwareId(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), kId);
}

TEST(HardwareIds, AnyStringBeginningWithTheIdInAnyCaseCounts) {
    using namespace std::string_literals;
    EXPECT_TRUE(Has("USB\\VID_A5C1&PID_0D31&REV_0100\0USB\\VID_A5C1&PID_0D31\0\0"s));
    EXPECT_TRUE(Has("USB\\VID_045E&PID_0001\0usb\\vid_a5c1&pid_0d31\0\0"s));
    EXPECT_FALSE(Has("USB\\VID_A5C1&PID_0B52\0\0"s));
    EXPECT_FALSE(Has("XUSB\\VID_A5C1&PID_0D31\0\0"s));
    // Nothing after the closing empty string is looked at.
    EXPECT_FALSE(Has("USB\\X\0\0USB\\VID_A5C1&PID_0D31\0"s));
}

TEST(HardwareIds, TheWalkStaysWithinTheReportedSize) {
    using namespace std::string_literals;
    const std::string bytes = "USB\\VID_A5C1&PID_0D31\0\0"s;
    EXPECT_FALSE(HasHardwareId(reinterpret_cast<const unsigned char*>(bytes.data()), 10, kId));
    // No terminator at all: the string ends with the data.
    EXPECT_TRUE(Has("USB\\VID_A5C1&PID_0D31"));
    EXPECT_FALSE(Has(""));
    EXPECT_FALSE(HasHardwareId(nullptr, 40, kId));
}

}  // namespace
}  // namespace setup
