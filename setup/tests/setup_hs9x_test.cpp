// SetupHs9x in this process, over a scratch HKEY_LOCAL_MACHINE, real files
// in this prefix's Windows folder, the codec-access stand-in and the real
// message box.
#include "setup_hs9x.h"

#include <gtest/gtest.h>

#include "install_scene.h"
#include "prompt_answerer.h"
#include "unique_handle.h"

namespace setup_tests {
namespace {

constexpr char kRetryText[] = "Plug in the headset, then press Retry.";

int Install9x(int* detail = nullptr) {
    return SetupHs9x(detail, kRetryText, 0);
}
int Remove9x() {
    return SetupHs9x(nullptr, kRetryText, 1);
}

void ExpectInstalled9x(bool installed) {
    for (const char* file : kSupportFiles) {
        EXPECT_EQ(Exists(Installed(file, "system")), installed) << file;
    }
}

TEST(SetupHs9x, AHeadsetNeverAttachedChangesNothing) {
    const InstallScene scene;
    int detail = 7;
    EXPECT_EQ(Install9x(&detail), 2);
    EXPECT_EQ(detail, 1);
    ExpectInstalled9x(false);
    detail = 7;
    EXPECT_EQ(SetupHs9x(&detail, kRetryText, 1), 0);
    EXPECT_EQ(detail, 7);
    EXPECT_EQ(Install9x(nullptr), 2);  // no detail asked for
}

TEST(SetupHs9x, TheFilterJoinsEveryInstanceOnceAsAWholeEntry) {
    const InstallScene scene;
    scene.AddInstance9x("0000");
    scene.AddInstance9x("0001", "usbaudio.sys");
    scene.AddInstance9x("0002", "hsfilt.SYS");
    scene.AddInstance9x("0003", "XHsFilt.sys");
    scene.AddInstance9x("0004", "");
    const std::string longList = std::string(300, 'a') + ".sys";
    scene.AddInstance9x("0005", longList);
    const std::string longName(255, 'i');
    scene.AddInstance9x(longName, "a.sys, HsFilt.sys ");
    const testing_support::PromptAnswerer noPrompt;

    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(Install9x(), 0);
        EXPECT_EQ(scene.Filters("0000"), "HsFilt.sys");
        EXPECT_EQ(scene.Filters("0001"), "usbaudio.sys,HsFilt.sys");
        EXPECT_EQ(scene.Filters("0002"), "hsfilt.SYS");
        EXPECT_EQ(scene.Filters("0003"), "XHsFilt.sys,HsFilt.sys");
        EXPECT_EQ(scene.Filters("0004"), "HsFilt.sys");
        EXPECT_EQ(scene.Filters("0005"), longList + ",HsFilt.sys");
        EXPECT_EQ(scene.Filters(longName), "a.sys, HsFilt.sys ");
    }
    // Stored as a string whose zero is counted.
    const auto stored = scene.FilterValue("0001");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
    const std::string expected = "usbaudio.sys,HsFilt.sys";
    EXPECT_EQ(stored->data,
              std::vector<BYTE>(expected.c_str(), expected.c_str() + expected.size() + 1));
    EXPECT_TRUE(noPrompt.Prompts().empty());
    for (const char* file : kSupportFiles) {
        EXPECT_EQ(FileBytes(Installed(file, "system")), InstallScene::SourceBytes(file)) << file;
    }
}

TEST(SetupHs9x, AnInstanceThatFailsFailsTheInstallAndTakesBackTheOthers) {
    const InstallScene scene;
    scene.SetFilterValue("0000", REG_BINARY, "usbaudio.sys");
    scene.AddInstance9x("0001", "a.sys");
    scene.AddInstance9x("0002");
    EXPECT_EQ(Install9x(), 2);
    // The other type is left alone; what was added to the others went again.
    EXPECT_EQ(scene.FilterValue("0000")->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(scene.Filters("0001"), "a.sys");
    EXPECT_FALSE(scene.FilterValue("0002"));
    ExpectInstalled9x(false);
}

TEST(SetupHs9x, NoInstanceMeansNotDone) {
    const InstallScene scene;
    scene.AddDeviceKey9x();
    EXPECT_EQ(Install9x(), 2);
    EXPECT_EQ(Remove9x(), 2);
}

TEST(SetupHs9x, AFileThatCannotBeCopiedTakesTheFilterBack) {
    const InstallScene scene;
    scene.AddInstance9x("0000", "a.sys");
    scene.AddInstance9x("0001");
    scene.RemoveSource("bandcalc.dll");
    EXPECT_EQ(Install9x(), 2);
    EXPECT_EQ(scene.Filters("0000"), "a.sys");
    EXPECT_FALSE(scene.FilterValue("0001"));
    // Copied before the failure, and left there.
    EXPECT_TRUE(Exists(Installed("hsio.dll", "system")));
}

TEST(SetupHs9x, DestinationsInUseCountAsCopied) {
    const InstallScene scene;
    scene.AddInstance9x("0000");
    // A folder where the driver goes: access denied.
    ASSERT_TRUE(CreateDirectoryA(Installed("hsfilt.sys", "system").c_str(), nullptr));
    // The codec library open without sharing: a sharing violation.
    scene.Sources().Write("held.dll", {1});
    ASSERT_TRUE(CopyFileA((scene.Sources().Path() + "held.dll").c_str(),
                          Installed("hsio.dll", "system").c_str(), FALSE));
    tavimo::UniqueHandle held(CreateFileA(Installed("hsio.dll", "system").c_str(), GENERIC_READ, 0,
                                          nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held.get() != INVALID_HANDLE_VALUE);

    EXPECT_EQ(Install9x(), 0);
    EXPECT_EQ(scene.Filters("0000"), "HsFilt.sys");
    EXPECT_TRUE(Exists(Installed("bandcalc.dll", "system")));
    EXPECT_TRUE(Exists(Installed("qrveq.inf", "system")));
    held.reset();
    RemoveDirectoryA(Installed("hsfilt.sys", "system").c_str());
}

TEST(SetupHs9x, TheRetryPromptWaitsUntilTheHeadsetAnswersOrTheUserCancels) {
    InstallScene scene;
    scene.AddInstance9x("0000");
    scene.SetCodecAnswering(false);
    {
        const testing_support::PromptAnswerer user{
            {IDRETRY, {}}, {IDRETRY, [&] { scene.SetCodecAnswering(true); }}};
        EXPECT_EQ(Install9x(), 0);
        ASSERT_EQ(user.Prompts().size(), 2u);
        EXPECT_EQ(user.Prompts()[0].text, kRetryText);
        EXPECT_EQ(user.Prompts()[1].text, kRetryText);
    }
    scene.SetCodecAnswering(false);
    const testing_support::PromptAnswerer user{{IDCANCEL, {}}};
    EXPECT_EQ(Install9x(), 0);
    EXPECT_EQ(user.Prompts().size(), 1u);
}

TEST(SetupHs9x, RemovalTakesOutOnlyTheFilter) {
    const InstallScene scene;
    scene.AddInstance9x("0000", "a.sys,HsFilt.sys,b.sys");
    scene.AddInstance9x("0001", " hsfilt.sys ");
    scene.AddInstance9x("0002", "usbaudio.sys");
    scene.AddInstance9x("0003");
    const std::string longList = std::string(400, 'b') + ".sys";
    scene.AddInstance9x("0004", longList + ",HsFilt.sys");
    scene.SetFilterValue("0005", REG_BINARY, "HsFilt.sys");
    EXPECT_EQ(Remove9x(), 0);
    EXPECT_EQ(scene.Filters("0000"), "a.sys,b.sys");
    EXPECT_FALSE(scene.FilterValue("0001"));
    EXPECT_EQ(scene.Filters("0002"), "usbaudio.sys");
    EXPECT_FALSE(scene.FilterValue("0003"));
    EXPECT_EQ(scene.Filters("0004"), longList);
    EXPECT_EQ(scene.FilterValue("0005")->type, static_cast<DWORD>(REG_BINARY));
}

TEST(SetupHs9x, OnlyTheModesLowByteCounts) {
    const InstallScene scene;
    scene.AddInstance9x("0000");
    EXPECT_EQ(SetupHs9x(nullptr, kRetryText, 0x100), 0);
    EXPECT_EQ(scene.Filters("0000"), "HsFilt.sys");
    EXPECT_EQ(SetupHs9x(nullptr, kRetryText, 0x101), 0);
    EXPECT_FALSE(scene.FilterValue("0000"));
}

}  // namespace
}  // namespace setup_tests
