// The equalizer INF as the system's INF parser reads it.
#include <windows.h>

#include <setupapi.h>

#include <gtest/gtest.h>

#include <string>

#include "child_process.h"

namespace setup_tests {
namespace {

class InfFile {
public:
    explicit InfFile(const std::string& path)
        : inf_(SetupOpenInfFileA(path.c_str(), nullptr, INF_STYLE_WIN4, nullptr)) {}
    ~InfFile() {
        if (inf_ != INVALID_HANDLE_VALUE) {
            SetupCloseInfFile(inf_);
        }
    }
    InfFile(const InfFile&) = delete;
    InfFile& operator=(const InfFile&) = delete;

    bool IsOpen() const { return inf_ != INVALID_HANDLE_VALUE; }
    // Field `field` of the line `key` in `section`; empty when missing.
    std::string Field(const char* section, const char* key, DWORD field) const {
        INFCONTEXT line;
        char text[512] = {};
        if (!SetupFindFirstLineA(inf_, section, key, &line) ||
            !SetupGetStringFieldA(&line, field, text, sizeof text, nullptr)) {
            return {};
        }
        return text;
    }
    bool HasSection(const char* section) const {
        INFCONTEXT line;
        return SetupFindFirstLineA(inf_, section, nullptr, &line) != FALSE;
    }

private:
    HINF inf_;
};

TEST(QrveqInf, InstallsTheHeadsetWithItsLowerFilterOnBothSystemLines) {
    const InfFile inf(testing_support::PathBesideTest("qrveq.inf"));
    ASSERT_TRUE(inf.IsOpen());
    EXPECT_EQ(inf.Field("Version", "Class", 1), "MEDIA");
    EXPECT_EQ(inf.Field("Manufacturer", nullptr, 1), "Quorvel");
    // The model line names the headset's hardware id.
    EXPECT_EQ(inf.Field("Quorvel", nullptr, 1), "Headset");
    EXPECT_EQ(inf.Field("Quorvel", nullptr, 2), "USB\\VID_A5C1&PID_0D31");
    // Windows 98 and Me: the filter's file name in the hardware key.
    EXPECT_EQ(inf.Field("Headset", "Needs", 1), "USBAudio");
    EXPECT_EQ(inf.Field("Headset.Filter9x", nullptr, 3), "LowerFilters");
    EXPECT_EQ(inf.Field("Headset.Filter9x", nullptr, 5), "HsFilt.sys");
    // Windows 2000 and XP: its service.
    EXPECT_TRUE(inf.HasSection("Headset.NT"));
    EXPECT_EQ(inf.Field("Headset.FilterNT", nullptr, 3), "LowerFilters");
    EXPECT_EQ(inf.Field("Headset.FilterNT", nullptr, 5), "HsFilt");
    EXPECT_EQ(inf.Field("Headset.NT.Services", "AddService", 1), "HsFilt");
    std::string binary = inf.Field("HsFilt.Service", "ServiceBinary", 1);
    CharLowerA(binary.data());
    EXPECT_TRUE(binary.ends_with("\\system32\\drivers\\hsfilt.sys")) << binary;
    EXPECT_EQ(inf.Field("Headset.CopyFiles", nullptr, 1), "hsfilt.sys");
    EXPECT_EQ(inf.Field("Strings", "Headset.Description", 1), "Tavimo USB Headset");
}

}  // namespace
}  // namespace setup_tests
