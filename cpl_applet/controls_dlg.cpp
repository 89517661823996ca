#include "controls_dlg.h"

#include <optional>
#include <string>

#include "applet_ids.h"
#include "applet_rules.h"
#include "headset_ids.h"
#include "headset_query.h"
#include "language_rules.h"
#include "language_switch.h"
#include "software_version.h"
#include "window_titles.h"

namespace applet {
namespace {

constexpr char kProTitle[] = "Tavimo Pro USB Audio Controls";
constexpr char kHelpTopic[] = "::/The_Tavimo_Control_Panel.htm";
// The visible part of the dialog: this many dialog units of its client area.
constexpr int kVisibleHeight = 91;

struct Label {
    unsigned stringId;
    int control;
};
constexpr Label kLabels[] = {
    {IDS_LANGUAGE_LABEL, IDC_LANGUAGE_LABEL}, {IDS_HELP_BUTTON, IDC_HELP_BUTTON},
    {IDS_SOFTWARE_LABEL, IDC_SOFTWARE_LABEL}, {IDS_FIRMWARE_LABEL, IDC_FIRMWARE_LABEL},
    {IDS_LOCATION_LABEL, IDC_LOCATION_LABEL},
};

}  // namespace

CControlsDlg::CControlsDlg(HINSTANCE resources, devices::HidApi& hid)
    : CDialog(IDD_CONTROLS, resources),
      hid_(hid),
      languages_(resources),
      languageAtOpen_(tavimo::kEnglish) {}

BOOL CControlsDlg::OnInitDialog() {
    if (const std::optional<std::string> name = tavimo::StoredLanguage()) {
        ShowInstallation();
        languageAtOpen_ = tavimo::LanguageIdOf(*name);
        languages_.SwitchTo(languageAtOpen_);
        FillLanguageList();
    }
    ShowHeadset();
    Shorten();
    Relabel();
    return TRUE;
}

void CControlsDlg::ShowInstallation() {
    SetDlgItemTextA(m_hWnd, IDC_LOCATION, languages_.Directory().c_str());
    if (const std::optional<std::string> version = SoftwareVersion(languages_.Directory())) {
        SetDlgItemTextA(m_hWnd, IDC_SOFTWARE_VERSION, version->c_str());
    }
}

void CControlsDlg::FillLanguageList() {
    const HWND list = GetDlgItem(m_hWnd, IDC_LANGUAGE_LIST);
    for (const LanguageRow& row : LanguageRows()) {
        const std::string text = languages_.Text(row.stringId);
        if (text.empty()) {
            continue;
        }
        const LRESULT index =
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (index < 0) {
            continue;
        }
        SendMessageA(list, CB_SETITEMDATA, static_cast<WPARAM>(index),
                     static_cast<LPARAM>(ItemData(row)));
        if (row.code == languageAtOpen_) {
            SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        }
    }
}

void CControlsDlg::ShowHeadset() {
    // The device stays open until the dialog is initialised.
    const HeadsetQuery query(hid_);
    const HeadsetInfo& headset = query.Info();
    if (!headset.found) {
        return;
    }
    const SerialFields serial = ParseSerialNumber(headset.serial);
    SetWindowTextA(m_hWnd, serial.model == tavimo::kProModel ? kProTitle : tavimo::kAppletTitle);
    productId_ = headset.productId;
    model_ = serial.model;
    if (serial.firmware) {
        SetDlgItemTextA(m_hWnd, IDC_FIRMWARE_VERSION, serial.firmware->c_str());
    }
}

void CControlsDlg::Shorten() {
    RECT visible = {0, 0, 0, kVisibleHeight};
    MapDialogRect(m_hWnd, &visible);
    RECT window = {};
    RECT client = {};
    GetWindowRect(m_hWnd, &window);
    GetClientRect(m_hWnd, &client);
    const int frame = (window.bottom - window.top) - (client.bottom - client.top);
    SetWindowPos(m_hWnd, nullptr, 0, 0, window.right - window.left, frame + visible.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CControlsDlg::Relabel() {
    for (const Label& label : kLabels) {
        const std::string text = languages_.Text(label.stringId);
        if (!text.empty()) {
            SetDlgItemTextA(m_hWnd, label.control, text.c_str());
        }
    }
    InvalidateRect(m_hWnd, nullptr, TRUE);
    UpdateWindow(m_hWnd);
}

BOOL CControlsDlg::OnCommand(UINT id, UINT code) {
    switch (id) {
        case IDC_LANGUAGE_LIST:
            if (code == CBN_SELCHANGE) {
                OnLanguageSelected();
            }
            return TRUE;
        case IDC_HELP_BUTTON:
            if (code == BN_CLICKED) {
                OnHelp();
            }
            return TRUE;
        case IDCANCEL:
            // The dialog closes: its own texts need not follow.
            StoreAndAnnounce(languageAtOpen_);
            EndDialog(IDCANCEL);
            return TRUE;
        default:
            return CDialog::OnCommand(id, code);
    }
}

void CControlsDlg::OnLanguageSelected() {
    const HWND list = GetDlgItem(m_hWnd, IDC_LANGUAGE_LIST);
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) {
        return;
    }
    const LRESULT data = SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    if (data == CB_ERR) {
        return;
    }
    const unsigned languageId = CodeOfItemData(static_cast<std::uint32_t>(data));
    languages_.SwitchTo(languageId);
    StoreAndAnnounce(languageId);
}

void CControlsDlg::StoreAndAnnounce(unsigned languageId) {
    if (!tavimo::StoreLanguage(tavimo::LanguageNameOf(languageId),
                               tavimo::LanguageKey::kExisting)) {
        return;
    }
    tavimo::AnnounceLanguage();
    Relabel();
}

void CControlsDlg::OnHelp() const {
    const std::optional<std::string> file = languages_.HelpPath(productId_, model_);
    if (!file) {
        return;
    }
    if (const std::optional<std::string> target = tavimo::HelpTarget(*file, kHelpTopic)) {
        tavimo::ShowHelp(m_hWnd, *target);
    }
}

}  // namespace applet
