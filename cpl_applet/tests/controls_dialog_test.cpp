// The audio controls dialog in this process, over the virtual headset and a
// scratch installation: its template, what it shows of the installation,
// the language list and the headset, and what a pick, OK, Cancel and Help
// store, send and call.
#include "controls_dlg.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "applet_ids.h"
#include "applet_test_support.h"
#include "child_process.h"
#include "help_call.h"
#include "scratch_directory.h"
#include "scratch_registry.h"
#include "test_registry.h"
#include "test_window.h"
#include "virtual_hid.h"
#include "window_titles.h"

namespace {

using applet_tests::DialogUser;
using applet_tests::ListedLanguages;
using applet_tests::ProgramWindow;
using applet_tests::SelectedLanguage;
using devices::VirtualHid;
using testing_support::WindowText;

const std::string kProduct = "Software\\Quorvel\\Tavimo\\";
const std::string kHelpControl = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
const std::vector<std::string> kSortedLanguages = {"Deutsch",
                                                   "English",
                                                   "Espa\xF1ol",
                                                   "Fran\xE7"
                                                   "ais",
                                                   "Italiano",
                                                   "Nederlands"};

VirtualHid::Device Headset(USHORT productId, const wchar_t* serial) {
    VirtualHid::Device device;
    device.productId = productId;
    device.serial = serial;
    return device;
}

VirtualHid::Device OtherVendor() {
    VirtualHid::Device device;
    device.vendorId = 0x845E;
    device.serial = L"200-1-mouse";
    return device;
}

class ControlsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        machine.SetString(kProduct + "Directory", "Path", folder.Path());
        classes.SetString(kHelpControl, nullptr,
                          testing_support::PathBesideTest("help_recorder.dll"));
    }
    void Choose(const std::string& language) const {
        machine.SetString(kProduct + "Language", "Value", language);
    }
    void Install(const char* built, const char* name) const {
        applet_tests::CopyBeside(folder, built, name);
    }
    // Runs the dialog over the virtual headset with act as the user.
    INT_PTR Run(const std::function<void(HWND)>& act) {
        applet::CControlsDlg dialog(GetModuleHandleA(nullptr), hid);
        const DialogUser user(act);
        const INT_PTR result = dialog.DoModal(nullptr);
        EXPECT_TRUE(user.Acted());
        return result;
    }
    std::optional<std::string> StoredLanguage() const {
        return testing_support::ReadString(HKEY_LOCAL_MACHINE, (kProduct + "Language").c_str(),
                                           "Value");
    }

    testing_support::ScratchRegistry machine{HKEY_LOCAL_MACHINE};
    testing_support::ScratchRegistry classes{HKEY_CLASSES_ROOT};
    testing_support::ScratchDirectory folder;
    VirtualHid hid{{}};
};

// The first control of the dialog template as the resource holds it.
struct TemplateItem {
    DWORD style;
    short height;
};
TemplateItem FirstTemplateItem() {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDD_CONTROLS), RT_DIALOG);
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    // DLGTEMPLATEEX: version, signature, help id, extended style, style,
    // item count, x, y, cx, cy; then menu, class and title, then the font.
    const BYTE* at = bytes + 26;
    const auto skipText = [&at] {
        const auto* text = reinterpret_cast<const WCHAR*>(at);
        if (text[0] == 0xFFFF) {
            at += 4;
            return;
        }
        at += static_cast<std::size_t>(lstrlenW(text) + 1) * sizeof(WCHAR);
    };
    skipText();  // menu
    skipText();  // class
    skipText();  // title
    at += 6;     // point size, weight, italic, character set
    skipText();  // face name
    at = bytes + ((at - bytes + 3) & ~3);
    // DLGITEMTEMPLATEEX: help id, extended style, style, x, y, cx, cy.
    TemplateItem item = {};
    std::memcpy(&item.style, at + 8, sizeof item.style);
    std::memcpy(&item.height, at + 18, sizeof item.height);
    return item;
}

struct Control {
    int id;
    const char* className;
    DWORD style;  // the bits that must be set
    RECT units;   // x, y, width, height in dialog units
    const char* text;
};

TEST_F(ControlsDialogTest, TheTemplateHoldsEveryControlAsDrawnAndShowsTheTopPart) {
    const Control controls[] = {
        {IDC_LANGUAGE_LIST,
         "ComboBox",
         CBS_DROPDOWNLIST | CBS_SORT | WS_TABSTOP,
         {72, 8, 96, 72},
         ""},
        {IDOK, "Button", BS_DEFPUSHBUTTON, {8, 67, 50, 14}, "OK"},
        {IDCANCEL, "Button", BS_PUSHBUTTON, {94, 67, 50, 14}, "Cancel"},
        {IDC_HELP_BUTTON, "Button", BS_PUSHBUTTON, {180, 66, 50, 14}, "Help"},
        {IDC_LANGUAGE_LABEL, "Static", SS_LEFT, {7, 9, 38, 8}, "Language"},
        {IDC_SOFTWARE_LABEL, "Static", SS_LEFT, {7, 31, 105, 8}, "Software Version:"},
        {IDC_FIRMWARE_LABEL, "Static", SS_LEFT, {7, 42, 105, 8}, "Firmware Version:"},
        {IDC_LOCATION_LABEL, "Static", SS_LEFT, {7, 55, 105, 8}, "Product Location:"},
        {IDC_SOFTWARE_VERSION, "Static", SS_LEFT, {112, 31, 118, 8}, "1.0"},
        {IDC_FIRMWARE_VERSION, "Static", SS_LEFT, {112, 42, 118, 8}, "N/A"},
        {IDC_LOCATION, "Static", SS_LEFT, {112, 54, 118, 8}, "C:\\WINDOWS"},
    };
    // No stored language, no headset: every text stays as the template has it.
    Run([&](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "Tavimo USB Audio Controls");
        const auto style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
        EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_VISIBLE),
                  static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_VISIBLE));
        EXPECT_EQ(style & WS_SYSMENU, 0u);
        EXPECT_NE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
        LOGFONTA font = {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
        RECT width = {0, 0, 237, 91};
        MapDialogRect(dialog, &width);
        RECT client = {};
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, width.right);
        EXPECT_EQ(client.bottom, width.bottom);  // shortened to the visible part

        HWND previous = nullptr;
        for (const Control& c : controls) {
            const HWND control = GetDlgItem(dialog, c.id);
            ASSERT_NE(control, nullptr) << c.id;
            // In template order.
            EXPECT_EQ(GetWindow(control, GW_HWNDPREV), previous) << c.id;
            previous = control;
            char className[32] = {};
            GetClassNameA(control, className, sizeof className);
            EXPECT_STREQ(className, c.className) << c.id;
            const auto controlStyle = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
            if (c.style == SS_LEFT || c.style == BS_PUSHBUTTON) {
                EXPECT_EQ(controlStyle & 0x0F, c.style) << c.id;
            } else {
                EXPECT_EQ(controlStyle & c.style, c.style) << c.id;
            }
            // Position and size are mapped each on its own, as the dialog
            // manager maps them.
            RECT expected = c.units;
            MapDialogRect(dialog, &expected);
            RECT actual = {};
            GetWindowRect(control, &actual);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
            EXPECT_EQ(actual.left, expected.left) << c.id;
            EXPECT_EQ(actual.top, expected.top) << c.id;
            EXPECT_EQ(actual.right - actual.left, expected.right) << c.id;
            if (c.id == IDC_LANGUAGE_LIST) {
                // Closed, a drop-down list is one line high and shows no
                // scroll bar: its template gives the open list's height.
                const TemplateItem item = FirstTemplateItem();
                EXPECT_EQ(item.style & (WS_VSCROLL | c.style), WS_VSCROLL | c.style);
                EXPECT_EQ(item.height, c.units.bottom);
            } else {
                EXPECT_EQ(actual.bottom - actual.top, expected.bottom) << c.id;
            }
            EXPECT_EQ(WindowText(control), c.text) << c.id;
        }
        EXPECT_TRUE(ListedLanguages(dialog).empty());
    });
}

TEST_F(ControlsDialogTest, WithoutALanguageLibraryTheListComesFromTheAppletsOwnTexts) {
    Choose("German");
    Run([&](HWND dialog) {
        EXPECT_EQ(ListedLanguages(dialog), kSortedLanguages);
        EXPECT_EQ(SelectedLanguage(dialog), "Deutsch");
        // The item data: (code << 16) | string id, whatever the sorted place.
        const std::pair<const char*, DWORD> data[] = {{"Deutsch", (7u << 16) | 1052},
                                                      {"English", (9u << 16) | 1050},
                                                      {"Italiano", (16u << 16) | 1053},
                                                      {"Nederlands", (19u << 16) | 1049}};
        for (const auto& [text, expected] : data) {
            const LRESULT index =
                SendDlgItemMessageA(dialog, IDC_LANGUAGE_LIST, CB_FINDSTRINGEXACT,
                                    static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
            ASSERT_NE(index, CB_ERR) << text;
            EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_LANGUAGE_LIST, CB_GETITEMDATA,
                                          static_cast<WPARAM>(index), 0),
                      static_cast<LRESULT>(expected))
                << text;
        }
        // The labels: the applet's own table holds none of them.
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_LANGUAGE_LABEL)), "Language");
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_LOCATION)), folder.Path());
    });
}

TEST_F(ControlsDialogTest, ALanguageLibraryGivesTheLabelsAndTheList) {
    Install("TAVI_DE.dll", "TAVI_DE.DLL");
    Install("TAVIMO.exe", "TAVIMO.EXE");
    Choose("German");
    Run([&](HWND dialog) {
        EXPECT_EQ(ListedLanguages(dialog), kSortedLanguages);
        EXPECT_EQ(SelectedLanguage(dialog), "Deutsch");
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_LANGUAGE_LABEL)), "Sprache");
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_HELP_BUTTON)), "Hilfe");
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_LOCATION_LABEL)), "Installationsordner");
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_SOFTWARE_VERSION)), "2.00.000");
        EXPECT_NE(GetModuleHandleA((folder.Path() + "TAVI_DE.DLL").c_str()), nullptr);
    });
    // The dialog's own library went with it.
    EXPECT_EQ(GetModuleHandleA((folder.Path() + "TAVI_DE.DLL").c_str()), nullptr);
}

TEST_F(ControlsDialogTest, AnUnknownStoredNameSelectsEnglishAndLoadsItsLibrary) {
    Install("TAVI_EN.dll", "TAVI_EN.DLL");
    Choose("german");
    Run([&](HWND dialog) {
        EXPECT_EQ(SelectedLanguage(dialog), "English");
        EXPECT_NE(GetModuleHandleA((folder.Path() + "TAVI_EN.DLL").c_str()), nullptr);
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_SOFTWARE_LABEL)), "Software Version");
    });
}

TEST_F(ControlsDialogTest, UnreadableSettingsLeaveTheTemplateTexts) {
    struct Setting {
        DWORD type;
        std::string bytes;
    };
    const Setting unreadable[] = {
        {REG_SZ, std::string(80, 'G') + '\0'},  // 81 bytes: more than the 80 allowed
        {REG_DWORD, std::string("\x07\0\0\0", 4)},
        {REG_BINARY, "German"},
    };
    for (const Setting& setting : unreadable) {
        machine.Set(kProduct + "Language", "Value", setting.type, setting.bytes.data(),
                    static_cast<DWORD>(setting.bytes.size()));
        Run([&](HWND dialog) {
            EXPECT_TRUE(ListedLanguages(dialog).empty());
            EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_LOCATION)), "C:\\WINDOWS");
            EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_SOFTWARE_VERSION)), "1.0");
        });
    }
    // Unterminated, it is read as far as it goes.
    machine.Set(kProduct + "Language", "Value", REG_SZ, "German", 6);
    Run([&](HWND dialog) { EXPECT_EQ(SelectedLanguage(dialog), "Deutsch"); });
    // A directory too long for a path is no directory.
    machine.SetString(kProduct + "Directory", "Path", "C:\\" + std::string(300, 'd'));
    Run([&](HWND dialog) {
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_LOCATION)), "");
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_SOFTWARE_VERSION)), "1.0");
    });
}

TEST_F(ControlsDialogTest, AVersionBlockOfAnotherLanguageOrCodePageIsNoVersion) {
    Choose("English");
    for (const char* built : {"version_german.dll", "version_ansi.dll"}) {
        Install(built, "TAVIMO.EXE");
        Run([&](HWND dialog) {
            EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_SOFTWARE_VERSION)), "1.0") << built;
        });
    }
}

struct HeadsetRow {
    USHORT productId;
    const wchar_t* serial;
    const char* caption;
    const char* firmware;
    const char* helpFile;
};

class HeadsetRowTest : public ControlsDialogTest,
                       public ::testing::WithParamInterface<HeadsetRow> {};

TEST_P(HeadsetRowTest, CaptionFirmwareAndHelpFileFollowTheHeadset) {
    const HeadsetRow& row = GetParam();
    if (row.productId != 0) {
        hid.Plug(OtherVendor());
        hid.Plug(Headset(row.productId, row.serial));
    }
    Choose("Spanish");
    Run([&](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), row.caption);
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_FIRMWARE_VERSION)), row.firmware);
        // Nothing of the device is held once the dialog is initialised.
        EXPECT_EQ(hid.OpenHandles(), 0);
        EXPECT_EQ(hid.LivePreparsedData(), 0);
        EXPECT_FALSE(hid.ReadPending());
        SendMessageA(GetDlgItem(dialog, IDC_HELP_BUTTON), BM_CLICK, 0, 0);
        const HelpCall* call = RecordedHelp();
        ASSERT_NE(call, nullptr);
        EXPECT_EQ(call->window, dialog);
        EXPECT_EQ(call->target, folder.Path() + "Help\\" + row.helpFile +
                                    "Spanish.chm::/The_Tavimo_Control_Panel.htm");
        EXPECT_EQ(call->command, 0u);
        EXPECT_EQ(call->data, 0u);
    });
}

INSTANTIATE_TEST_SUITE_P(
    EveryRow, HeadsetRowTest,
    ::testing::Values(
        HeadsetRow{0x0B52, L"200-0417-0102", "Tavimo Pro USB Audio Controls", "0102", "\\tavi1"},
        HeadsetRow{0x0B52, L"300-0412-1.07", "Tavimo USB Audio Controls", "1.07", "\\tavi"},
        HeadsetRow{0x0D31, L"200-17-2-b", "Tavimo Pro USB Audio Controls", "2-b", "\\tavi2"},
        HeadsetRow{0x0D31, L"500-0412-", "Tavimo USB Audio Controls", "N/A", "\\tavi2"},
        HeadsetRow{0x0B52, L"", "Tavimo USB Audio Controls", "N/A", "\\tavi"},
        HeadsetRow{0, L"", "Tavimo USB Audio Controls", "N/A", "\\tavi2"}));

TEST_F(ControlsDialogTest, TheFirstDeviceOfTheMakerThatOpensFullyIsUsed) {
    VirtualHid::Device readOnly = Headset(0x0B52, L"200-1-held");
    readOnly.opensForWriting = false;
    VirtualHid::Device noPreparsed = Headset(0x0B52, L"200-1-broken");
    noPreparsed.failPreparsedData = true;
    hid.Plug(OtherVendor());
    hid.Plug(readOnly);
    hid.Plug(noPreparsed);
    hid.Plug(Headset(0x0D31, L"300-2-second"));
    hid.Plug(Headset(0x0B52, L"200-3-third"));
    Run([&](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "Tavimo USB Audio Controls");
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_FIRMWARE_VERSION)), "second");
        EXPECT_EQ(hid.OpenHandles(), 0);
        EXPECT_EQ(hid.LivePreparsedData(), 0);
    });
}

TEST_F(ControlsDialogTest, AnUnreadableOrOverlongSerialNumberStillFindsTheHeadset) {
    VirtualHid::Device unreadable = Headset(0x0B52, L"200-1-x");
    unreadable.serialReadable = false;
    hid.Plug(unreadable);
    Choose("English");
    Run([&](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "Tavimo USB Audio Controls");
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_FIRMWARE_VERSION)), "N/A");
        SendMessageA(GetDlgItem(dialog, IDC_HELP_BUTTON), BM_CLICK, 0, 0);
        ASSERT_NE(RecordedHelp(), nullptr);
        EXPECT_EQ(RecordedHelp()->target,
                  folder.Path() + "Help\\\\taviEnglish.chm::/The_Tavimo_Control_Panel.htm");
    });
    // A string that fills the device's whole buffer without a terminator.
    VirtualHid overlong{{}};
    VirtualHid::Device device = Headset(0x0D31, L"");
    device.serial = L"200-1-" + std::wstring(400, L'7');
    device.unterminatedStrings = true;
    overlong.Plug(device);
    applet::CControlsDlg dialog(GetModuleHandleA(nullptr), overlong);
    const DialogUser user([&](HWND shown) {
        EXPECT_EQ(WindowText(shown), "Tavimo Pro USB Audio Controls");
        EXPECT_EQ(WindowText(GetDlgItem(shown, IDC_FIRMWARE_VERSION)), std::string(249, '7'));
    });
    dialog.DoModal(nullptr);
}

TEST_F(ControlsDialogTest, APickIsStoredWithItsTerminatorAndAnnouncedToBothPrograms) {
    Install("TAVI_DE.dll", "TAVI_DE.DLL");
    Choose("English");
    ProgramWindow controlCenter(tavimo::kControlCenterTitle);
    ProgramWindow trayAgent(tavimo::kTrayAgentTitle);
    ShowWindow(controlCenter.get(), SW_MINIMIZE);
    const ProgramWindow::Received changed = {0x464, 0, 0};
    Run([&](HWND dialog) {
        ASSERT_TRUE(applet_tests::PickLanguage(dialog, 7));
        const auto value = testing_support::ReadValue(HKEY_LOCAL_MACHINE,
                                                      (kProduct + "Language").c_str(), "Value");
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(value->data, std::vector<BYTE>({'G', 'e', 'r', 'm', 'a', 'n', 0}));
        EXPECT_EQ(controlCenter.Messages(), std::vector<ProgramWindow::Received>{changed});
        EXPECT_EQ(trayAgent.Messages(), std::vector<ProgramWindow::Received>{changed});
        EXPECT_FALSE(IsIconic(controlCenter.get()));
        // The dialog follows its own pick.
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_LANGUAGE_LABEL)), "Sprache");
        // The same pick again is stored and announced again.
        ASSERT_TRUE(applet_tests::PickLanguage(dialog, 7));
        EXPECT_EQ(trayAgent.Messages().size(), 2u);
        SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    // OK only closes.
    EXPECT_EQ(StoredLanguage(), "German");
    EXPECT_EQ(trayAgent.Messages().size(), 2u);
}

TEST_F(ControlsDialogTest, CancelStoresAndAnnouncesTheLanguageAtOpenAgain) {
    Choose("Italian");
    ProgramWindow controlCenter(tavimo::kControlCenterTitle);
    ProgramWindow trayAgent(tavimo::kTrayAgentTitle);
    EXPECT_EQ(Run([&](HWND dialog) {
                  ASSERT_TRUE(applet_tests::PickLanguage(dialog, 19));
                  EXPECT_EQ(StoredLanguage(), "Dutch");
                  SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
              }),
              IDCANCEL);
    EXPECT_EQ(StoredLanguage(), "Italian");
    EXPECT_EQ(controlCenter.Messages().size(), 2u);
    EXPECT_EQ(trayAgent.Messages().size(), 2u);
    // Untouched, Cancel (or Esc) still writes and announces.
    Run([&](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(trayAgent.Messages().size(), 3u);
}

TEST_F(ControlsDialogTest, WithoutTheLanguageKeyNothingIsWrittenOrSent) {
    ProgramWindow trayAgent(tavimo::kTrayAgentTitle);
    Run([&](HWND dialog) { SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0); });
    EXPECT_TRUE(
        testing_support::SnapshotTree(HKEY_LOCAL_MACHINE, (kProduct + "Language").c_str()).empty());
    EXPECT_TRUE(trayAgent.Messages().empty());
}

TEST_F(ControlsDialogTest, AValueThatCannotBeReadStoresEnglishOnCancel) {
    machine.Set(kProduct + "Language", "Value", REG_DWORD, "\x07\0\0\0", 4);
    Run([&](HWND dialog) { SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0); });
    EXPECT_EQ(StoredLanguage(), "English");
}

}  // namespace
