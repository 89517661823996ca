// Each of the tray agent's language libraries, loaded as the agent loads
// it: its language, the title the other programs find the agent by, the
// tooltips within the icon record's 64 bytes, the icon's menu, the two
// icons at both sizes and the about box.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

struct Library {
    const char* file;
    WORD language;
};

void PrintTo(const Library& library, std::ostream* out) {
    *out << library.file;
}

constexpr Library kLibraries[] = {
    {"TaviTrayRes.dll", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)},
    {"TaviTrayResGerman.dll", MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)},
    {"TaviTrayResSpanish.dll", MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN)},
    {"TaviTrayResFrench.dll", MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH)},
    {"TaviTrayResItalian.dll", MAKELANGID(LANG_ITALIAN, SUBLANG_ITALIAN)},
    {"TaviTrayResDutch.dll", MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH)},
};

constexpr UINT kTitle = 2, kMenuAndTip = 3, kAbout = 100, kFirstIcon = 101, kSecondIcon = 102;
// The icon record's tooltip is 64 bytes, its terminating zero included.
constexpr int kTipBytes = 63;

class TrayLibrary : public ::testing::TestWithParam<Library> {
protected:
    void SetUp() override {
        module_ = LoadLibraryA(GetParam().file);
        ASSERT_NE(module_, nullptr) << GetParam().file << ": error " << GetLastError();
    }
    void TearDown() override {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }

    std::wstring String(UINT id) const {
        const wchar_t* text = nullptr;
        const int length = LoadStringW(module_, id, reinterpret_cast<wchar_t*>(&text), 0);
        return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : L"";
    }
    bool HasResource(const wchar_t* type, UINT id) const {
        return FindResourceExW(module_, type, MAKEINTRESOURCEW(id), GetParam().language) != nullptr;
    }

    HMODULE module_ = nullptr;
};

// The text in the Windows-1252 code page the agent's ANSI calls use;
// nothing when a character has no place there.
std::optional<std::string> Ansi(const std::wstring& text) {
    BOOL lost = FALSE;
    const int size = WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr, 0,
                                         nullptr, &lost);
    if (size <= 0 || lost) {
        return std::nullopt;
    }
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, ansi.data(), size, nullptr,
                        nullptr);
    ansi.pop_back();  // the terminating zero
    return ansi;
}

// The sizes of the images an icon group holds.
std::set<int> IconSizes(HMODULE module, UINT id) {
#pragma pack(push, 2)
    struct GroupHeader {
        WORD reserved, type, count;
    };
    struct GroupEntry {
        BYTE width, height, colors, reserved;
        WORD planes, bitCount;
        DWORD bytes;
        WORD id;
    };
#pragma pack(pop)
    std::set<int> sizes;
    HRSRC found =
        FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    if (found == nullptr) {
        return sizes;
    }
    const auto* header = static_cast<const GroupHeader*>(LockResource(LoadResource(module, found)));
    const DWORD bytes = SizeofResource(module, found);
    if (header == nullptr || bytes < sizeof(GroupHeader) ||
        bytes < sizeof(GroupHeader) + header->count * sizeof(GroupEntry)) {
        return sizes;
    }
    const auto* entries = reinterpret_cast<const GroupEntry*>(header + 1);
    for (WORD i = 0; i < header->count; ++i) {
        if (entries[i].width == entries[i].height) {
            sizes.insert(entries[i].width);
        }
    }
    return sizes;
}

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

}  // namespace

TEST_P(TrayLibrary, HoldsEveryResourceInItsLanguage) {
    EXPECT_TRUE(HasResource(MAKEINTRESOURCEW(6), kTitle / 16 + 1));  // RT_STRING block of 2, 3
    EXPECT_TRUE(HasResource(MAKEINTRESOURCEW(6), kFirstIcon / 16 + 1));
    EXPECT_TRUE(HasResource(MAKEINTRESOURCEW(4), kMenuAndTip));  // RT_MENU
    EXPECT_TRUE(HasResource(MAKEINTRESOURCEW(5), kAbout));       // RT_DIALOG
    EXPECT_TRUE(HasResource(MAKEINTRESOURCEW(14), kFirstIcon));  // RT_GROUP_ICON
    EXPECT_TRUE(HasResource(MAKEINTRESOURCEW(14), kSecondIcon));
}

TEST_P(TrayLibrary, TheTitleIsTheOneTheOtherProgramsLookFor) {
    const std::wstring title = String(kTitle);
    EXPECT_EQ(title.substr(0, title.find(L'\n')), L"Quorvel System Tray Icon");
}

TEST_P(TrayLibrary, TooltipsFitTheIconRecord) {
    for (UINT id : {kMenuAndTip, kFirstIcon, kSecondIcon}) {
        const std::wstring tip = String(id);
        const auto ansi = Ansi(tip);
        ASSERT_TRUE(ansi.has_value()) << id;
        EXPECT_FALSE(ansi->empty()) << id;
        EXPECT_LE(ansi->size(), static_cast<std::size_t>(kTipBytes)) << id << ": " << *ansi;
    }
}

TEST_P(TrayLibrary, TheMenuOpensTheControlCenterByDefault) {
    HMENU menu = LoadMenuW(module_, MAKEINTRESOURCEW(kMenuAndTip));
    ASSERT_NE(menu, nullptr);
    HMENU items = GetSubMenu(menu, 0);
    ASSERT_NE(items, nullptr);
    std::vector<UINT> commands;
    std::set<wchar_t> accelerators;
    for (int position = 0; position < GetMenuItemCount(items); ++position) {
        wchar_t text[128] = {};
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 127;
        ASSERT_TRUE(GetMenuItemInfoW(items, static_cast<UINT>(position), TRUE, &info));
        if (info.fType & MFT_SEPARATOR) {
            continue;
        }
        commands.push_back(info.wID);
        // One access key per item, none used twice.
        const std::wstring label = text;
        const std::size_t amp = label.find(L'&');
        ASSERT_NE(amp, std::wstring::npos) << info.wID;
        ASSERT_LT(amp + 1, label.size());
        EXPECT_EQ(label.find(L'&', amp + 1), std::wstring::npos) << info.wID;
        EXPECT_TRUE(accelerators.insert(static_cast<wchar_t>(std::towlower(label[amp + 1]))).second)
            << "access key used twice, item " << info.wID;
        EXPECT_TRUE(Ansi(label).has_value()) << info.wID;
    }
    EXPECT_EQ(commands, (std::vector<UINT>{0x8007, 0x8006, 0x8005, 0x8003, 0xE140, 0x8008}));
    EXPECT_EQ(GetMenuDefaultItem(items, FALSE, 0), 0x8007u);
    EXPECT_EQ(GetMenuDefaultItem(items, TRUE, 0), 0u);  // the first item, which a double-click runs
    DestroyMenu(menu);
}

TEST_P(TrayLibrary, BothIconsComeAtSixteenAndThirtyTwoPixels) {
    for (UINT id : {kFirstIcon, kSecondIcon}) {
        EXPECT_EQ(IconSizes(module_, id), (std::set<int>{16, 32})) << id;
        HICON icon = LoadIconA(module_, MAKEINTRESOURCEA(id));
        EXPECT_NE(icon, nullptr) << id;
    }
}

TEST_P(TrayLibrary, TheAboutBoxOpensWithItsOkButton) {
    HWND about = CreateDialogParamW(module_, MAKEINTRESOURCEW(kAbout), nullptr, QuietDialog, 0);
    ASSERT_NE(about, nullptr) << GetLastError();
    EXPECT_NE(GetDlgItem(about, IDOK), nullptr);
    wchar_t caption[128] = {};
    EXPECT_GT(GetWindowTextW(about, caption, 128), 0);
    DestroyWindow(about);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TrayLibrary, ::testing::ValuesIn(kLibraries));
