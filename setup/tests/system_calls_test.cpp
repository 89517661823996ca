// The two libraries as the setup program meets them: loaded by name, bound
// by their exact export names and called with the caller removing the
// arguments, over the system's own device installation.
#include <gtest/gtest.h>

#include "child_process.h"
#include "headset_presence.h"
#include "install_scene.h"
#include "prompt_answerer.h"
#include "registered_headset.h"
#include "unique_handle.h"

namespace setup_tests {
namespace {

using SetupFunction = int(__cdecl*)(int*, const char*, int);

constexpr char kRetryText[] = "Please connect the headset.";

SetupFunction Bind(HMODULE library, const char* name) {
    return reinterpret_cast<SetupFunction>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

std::vector<BYTE> ShippedInf() {
    return FileBytes(testing_support::PathBesideTest("qrveq.inf"));
}

// Whether the system's INF store holds an INF of exactly these bytes: under
// its own name (as Wine places one) or under one the store chose
// ("oem<n>.inf", as Windows does).
bool StoreHolds(const std::vector<BYTE>& bytes) {
    const std::string folder = Installed("qrveq.inf", "") + "\\..\\";
    if (FileBytes(folder + "qrveq.inf") == bytes) {
        return true;
    }
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "oem*.inf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    const tavimo::Unique<HANDLE, &FindClose> owner(search);
    do {
        if (FileBytes(folder + found.cFileName) == bytes) {
            return true;
        }
    } while (FindNextFileA(search, &found));
    return false;
}

TEST(SetupLibrariesByName, SetupHs9xRegistersTheFilter) {
    const InstallScene scene;
    scene.AddInstance9x("0000", "usbaudio.sys");
    const tavimo::UniqueModule library(LoadLibraryA("SetupHs9x.dll"));
    ASSERT_TRUE(library);
    const SetupFunction setupHs9x = Bind(library.get(), "SetupHs9x");
    ASSERT_NE(setupHs9x, nullptr);
    int detail = -1;
    EXPECT_EQ(setupHs9x(&detail, kRetryText, 0), 0);
    EXPECT_EQ(scene.Filters("0000"), "usbaudio.sys,HsFilt.sys");
    EXPECT_EQ(setupHs9x(&detail, kRetryText, 1), 0);
    EXPECT_EQ(scene.Filters("0000"), "usbaudio.sys");
    EXPECT_EQ(detail, -1);
}

TEST(SetupLibrariesByName, WineListsARegisteredUsbDeviceAsPresent) {
    const RegisteredHeadset headset;
    ASSERT_TRUE(headset.IsRegistered());
    EXPECT_TRUE(setup::HeadsetPresent(devices::SystemInstall(), "USB\\Vid_A5C1&Pid_0D31"));
    EXPECT_FALSE(setup::HeadsetPresent(devices::SystemInstall(), "USB\\Vid_A5C1&Pid_0B52"));
}

TEST(SetupLibrariesByName, SetupHsNTPlacesTheInfAndUpdatesThePresentHeadset) {
    const InstallScene scene(InstallScene::Machine::Real);
    const std::vector<BYTE> inf = ShippedInf();
    ASSERT_FALSE(inf.empty());
    scene.Sources().Write("qrveq.inf", inf);
    const tavimo::UniqueModule library(LoadLibraryA("SetupHsNT.dll"));
    ASSERT_TRUE(library);
    const SetupFunction setupHsNT = Bind(library.get(), "SetupHsNT");
    ASSERT_NE(setupHsNT, nullptr);
    ASSERT_FALSE(StoreHolds(inf));

    {
        // No headset, and the support files not copied (so that the INF in
        // the store is the store's own placement): the user gives up waiting, and the INF goes into
        // the store for the headset's arrival.
        scene.RemoveSource("hsfilt.sys");
        const testing_support::PromptAnswerer user{{IDCANCEL, {}}};
        int detail = -1;
        EXPECT_EQ(setupHsNT(&detail, kRetryText, 0), 0);
        EXPECT_EQ(detail, 6);
        ASSERT_EQ(user.Prompts().size(), 1u);
        EXPECT_EQ(user.Prompts()[0].text, kRetryText);
        EXPECT_TRUE(StoreHolds(inf));
        scene.Sources().Write("hsfilt.sys", InstallScene::SourceBytes("hsfilt.sys"));
    }
    const RegisteredHeadset headset;
    ASSERT_TRUE(headset.IsRegistered());
    const testing_support::PromptAnswerer noPrompt;
    int detail = -1;
    EXPECT_EQ(setupHsNT(&detail, kRetryText, 0), 0);
    EXPECT_EQ(detail, -1);
    EXPECT_TRUE(noPrompt.Prompts().empty());
    EXPECT_EQ(FileBytes(Installed("qrveq.inf", "system32")), inf);
}

}  // namespace
}  // namespace setup_tests
