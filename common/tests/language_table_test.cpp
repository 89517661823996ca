// The language table over real language libraries in a scratch installation
// folder, with the registry of a scratch installation: which texts it serves,
// what it makes of broken libraries and values, and the help control it binds.
#include "language_table.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "child_process.h"
#include "help_call.h"
#include "scratch_registry.h"

namespace {

using testing_support::PathBesideTest;

const std::string kProduct = "Software\\Quorvel\\Tavimo\\";
const std::string kHelpControl = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

// A folder of the installation, removed with what it holds.
class ScratchFolder {
public:
    ScratchFolder() {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        path_ = std::string(temp) + "tavimo_languages_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() {
        for (const std::string& file : files_) {
            DeleteFileA(file.c_str());
        }
        RemoveDirectoryA(path_.c_str());
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The installation's own form: with a trailing backslash.
    std::string Directory() const { return path_ + "\\"; }
    void Copy(const char* built, const char* name) {
        files_.push_back(path_ + "\\" + name);
        CopyFileA(PathBesideTest(built).c_str(), files_.back().c_str(), FALSE);
    }
    void Write(const char* name, const char* content) {
        files_.push_back(path_ + "\\" + name);
        const HANDLE file = CreateFileA(files_.back().c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, content, static_cast<DWORD>(lstrlenA(content)), &written, nullptr);
        CloseHandle(file);
    }

private:
    std::string path_;
    std::vector<std::string> files_;
};

class LanguageTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.Copy("TAVI_DE.dll", "TAVI_DE.DLL");
        folder.Copy("TAVI_EN.dll", "TAVI_EN.DLL");
        folder.Write("TAVI_IT.DLL", "not a library");
        folder.Copy("HSIO.dll", "TAVI_ES.DLL");  // a library without GetString
        folder.Copy("misbehaving_language.dll", "TAVI_FR.DLL");
        machine.SetString(kProduct + "Directory", "Path", folder.Directory());
    }
    void Choose(const std::string& language) const {
        machine.SetString(kProduct + "Language", "Value", language);
    }
    bool Loaded(const char* library) const {
        return GetModuleHandleA((folder.Directory() + library).c_str()) != nullptr;
    }

    testing_support::ScratchRegistry machine{HKEY_LOCAL_MACHINE};
    ScratchFolder folder;
};

constexpr char kEnglishMute[] = "Mute Microphone";
constexpr char kGermanMute[] = "Mikrofon stummschalten";
constexpr char kCaption[] = "Tavimo Audio Control Center";

TEST_F(LanguageTableTest, TheStoredLanguageServesItsTextsAndTheCaptionStays) {
    Choose("German");
    tavimo::LanguageTable table;
    EXPECT_EQ(table.LanguageId(), 7u);
    EXPECT_EQ(table.Text(1), kGermanMute);
    EXPECT_EQ(table.Text(57344), kCaption);
    EXPECT_EQ(table.Text(1051),
              "Fran\xE7"
              "ais");              // Windows-1252
    EXPECT_EQ(table.Text(4), "");  // no such id anywhere
    EXPECT_EQ(table.HelpPath(0x0D31, 400), folder.Directory() + "Help\\\\tavi2German.chm");
}

TEST_F(LanguageTableTest, ANameInAnotherCaseGivesEnglishButNamesTheHelpFile) {
    Choose("german");
    tavimo::LanguageTable table;
    EXPECT_EQ(table.LanguageId(), 9u);
    EXPECT_EQ(table.Text(1), kEnglishMute);
    EXPECT_EQ(table.HelpPath(0x0B52, 200), folder.Directory() + "Help\\\\tavi1german.chm");
}

TEST_F(LanguageTableTest, LibrariesThatCannotServeLeaveTheProgramsEnglish) {
    Choose("Dutch");  // not installed
    tavimo::LanguageTable table;
    EXPECT_EQ(table.LanguageId(), 19u);
    EXPECT_EQ(table.Text(1), kEnglishMute);

    Choose("Italian");  // not a library
    EXPECT_EQ(table.Reload(), 1);
    EXPECT_EQ(table.Text(1), kEnglishMute);

    Choose("Spanish");  // no GetString: freed at once
    EXPECT_EQ(table.Reload(), 0);
    EXPECT_EQ(table.Text(1), kEnglishMute);
    EXPECT_FALSE(Loaded("TAVI_ES.DLL"));

    // A working library after a failed one serves again.
    Choose("German");
    EXPECT_EQ(table.Reload(), 1);
    EXPECT_EQ(table.Text(1), kGermanMute);
}

TEST_F(LanguageTableTest, AnUnterminatedTextIsCutAtTheBufferAndOtherIdsFallBack) {
    Choose("French");
    tavimo::LanguageTable table;
    EXPECT_EQ(table.Text(1), std::string(1023, 'x'));
    EXPECT_EQ(table.Text(2), "Open Tavimo Control Panel");
}

TEST_F(LanguageTableTest, AValueThatCannotBeReadKeepsTheLanguage) {
    Choose("German");
    tavimo::LanguageTable table;
    machine.DeleteKey(kProduct + "Language");
    EXPECT_EQ(table.Reload(), 1);
    EXPECT_EQ(table.Text(1), kGermanMute);
    // No name, so no help file: only the folder, which shows nothing.
    EXPECT_EQ(table.HelpPath(0x0D31, 0), folder.Directory() + "Help\\");

    Choose(std::string(80, 'x'));  // does not fit with its terminator
    table.Reload();
    EXPECT_EQ(table.LanguageId(), 7u);
    const DWORD number = 12;
    machine.Set(kProduct + "Language", "Value", REG_DWORD, &number, sizeof number);
    table.Reload();
    EXPECT_EQ(table.LanguageId(), 7u);
    // An unterminated string is terminated within the value.
    machine.Set(kProduct + "Language", "Value", REG_SZ, "Dutch", 5);
    table.Reload();
    EXPECT_EQ(table.LanguageId(), 19u);
}

TEST_F(LanguageTableTest, WithoutADirectoryTheLibraryComesFromTheProgramsFolder) {
    machine.SetString(kProduct + "Directory", "Path", "");
    Choose("German");
    tavimo::LanguageTable table;
    EXPECT_EQ(table.Text(1), kGermanMute);
    EXPECT_NE(GetModuleHandleA(PathBesideTest("TAVI_DE.dll").c_str()), nullptr);
}

TEST_F(LanguageTableTest, ReloadsKeepOneLibraryLoadedAndFreeItAtTheEnd) {
    {
        tavimo::LanguageTable table;
        for (int i = 0; i < 100; ++i) {
            Choose(i % 2 == 0 ? "German" : "English");
            table.Reload();
            EXPECT_NE(Loaded("TAVI_DE.DLL"), Loaded("TAVI_EN.DLL"));
        }
        EXPECT_EQ(table.Text(1), kEnglishMute);
    }
    EXPECT_FALSE(Loaded("TAVI_DE.DLL"));
    EXPECT_FALSE(Loaded("TAVI_EN.DLL"));
}

using GetStringEntry = int(__cdecl*)(unsigned, char*, unsigned);

class LanguageLibraryTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        library.reset(LoadLibraryA(PathBesideTest(GetParam()).c_str()));
        ASSERT_TRUE(library);
        getString = reinterpret_cast<GetStringEntry>(
            reinterpret_cast<void*>(GetProcAddress(library.get(), "GetString")));
        ASSERT_NE(getString, nullptr);
    }
    tavimo::UniqueModule library;
    GetStringEntry getString = nullptr;
};

TEST_P(LanguageLibraryTest, ServesEveryIdOfTheProgramsTable) {
    char english[1024], text[1024];
    int served = 0;
    for (unsigned id = 0; id < 65536; ++id) {
        if (LoadStringA(GetModuleHandleA(nullptr), id, english, sizeof english) > 0) {
            EXPECT_NE(getString(id, text, sizeof text), 0) << id;
            ++served;
        }
    }
    EXPECT_EQ(served, 132);
}

TEST_P(LanguageLibraryTest, ATextIsServedWholeOrNotAtAll) {
    char text[1024];
    ASSERT_NE(getString(57344, text, sizeof text), 0);
    ASSERT_STREQ(text, kCaption);
    const auto fits = static_cast<unsigned>(sizeof kCaption);  // with its zero
    std::string buffer(fits + 1, '#');
    EXPECT_NE(getString(57344, buffer.data(), fits), 0);
    EXPECT_EQ(buffer, std::string(kCaption) + '\0' + '#');
    buffer.assign(fits + 1, '#');
    EXPECT_EQ(getString(57344, buffer.data(), fits - 1), 0);
    EXPECT_EQ(buffer, std::string(fits + 1, '#'));
    EXPECT_EQ(getString(57344, nullptr, 0), 0);
    EXPECT_EQ(getString(4, text, sizeof text), 0);
    EXPECT_EQ(getString(0xFFFFFFFFu, text, sizeof text), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, LanguageLibraryTest,
                         ::testing::Values("TAVI_EN.dll", "TAVI_NL.dll", "TAVI_FR.dll",
                                           "TAVI_DE.dll", "TAVI_IT.dll", "TAVI_ES.dll"));

class HelpControlTest : public ::testing::Test {
protected:
    void Register(const std::string& library) const {
        classes.SetString(kHelpControl, nullptr, library);
    }
    testing_support::ScratchRegistry classes{HKEY_CLASSES_ROOT};
};

TEST_F(HelpControlTest, TheRegisteredControlGetsTheWindowTargetCommandAndData) {
    Register(PathBesideTest("help_recorder.dll"));
    tavimo::HelpControl control;
    const HWND window = GetDesktopWindow();
    ASSERT_TRUE(control.Show(window, "C:\\T\\Help\\\\tavi2German.chm::/Audio Settings.htm"));
    const HelpCall* call = RecordedHelp();
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->window, window);
    EXPECT_STREQ(call->target, "C:\\T\\Help\\\\tavi2German.chm::/Audio Settings.htm");
    EXPECT_EQ(call->command, 0u);
    EXPECT_EQ(call->data, 0u);
    ASSERT_TRUE(control.Show(window, "x.chm"));
    EXPECT_EQ(call->calls, 2);
}

TEST_F(HelpControlTest, AControlThatCannotBeBoundIsNeverTriedAgain) {
    // A library without ordinal 14: "hhctrl.ocx" is not tried in its place.
    Register(PathBesideTest("misbehaving_language.dll"));
    tavimo::HelpControl control;
    EXPECT_FALSE(control.Show(nullptr, "a.chm"));
    EXPECT_EQ(GetModuleHandleA("misbehaving_language.dll"), nullptr);
    Register(PathBesideTest("help_recorder.dll"));
    EXPECT_FALSE(control.Show(nullptr, "a.chm"));
}

TEST_F(HelpControlTest, AnUnterminatedRegisteredPathIsReadWhole) {
    const std::string path = PathBesideTest("help_recorder.dll");
    classes.Set(kHelpControl, nullptr, REG_SZ, path.data(), static_cast<DWORD>(path.size()));
    tavimo::HelpControl control;
    ASSERT_TRUE(control.Show(nullptr, "u.chm"));
    ASSERT_NE(RecordedHelp(), nullptr);
    EXPECT_STREQ(RecordedHelp()->target, "u.chm");
}

TEST_F(HelpControlTest, ARegisteredPathThatIsNoLibraryFallsBackToTheSystemsControl) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string notLibrary = std::string(temp) + "tavimo_not_a_library.ocx";
    const HANDLE file = CreateFileA(notLibrary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "text", 4, &written, nullptr);
    CloseHandle(file);
    Register(notLibrary);
    tavimo::HelpControl control;
    const bool shown = control.Show(nullptr, "C:\\no such folder\\missing.chm");
    DeleteFileA(notLibrary.c_str());
    if (!shown) {
        GTEST_SKIP() << "this system has no HTML Help control to fall back to";
    }
    EXPECT_NE(GetModuleHandleA("hhctrl.ocx"), nullptr);
}

TEST_F(HelpControlTest, TheSystemsControlOpensAMissingFileWithoutHangingOrCrashing) {
    // No registered control: the system's "hhctrl.ocx" by name.
    tavimo::HelpControl control;
    if (!control.Show(nullptr, "C:\\no such folder\\missing.chm::/Audio Settings.htm")) {
        GTEST_SKIP() << "this system has no HTML Help control";
    }
}

}  // namespace
