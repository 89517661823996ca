#include "panel_app.h"

#include <cstring>
#include <string>
#include <utility>

#include "applet_ids.h"
#include "controls_dlg.h"

namespace applet {
namespace {

constexpr std::size_t kTextBytes = 1024;

// The field of the applet's string copied into room, cut to fit.
template <std::size_t N>
void CopyField(const std::string& text, std::size_t index, char (&room)[N]) {
    const std::string field = FieldOf(text, index, N);
    std::memcpy(room, field.c_str(), field.size() + 1);
}

}  // namespace

CPanelApp::CPanelApp(HINSTANCE resources, devices::HidApi& hid,
                     std::function<OsVersionRecord()> readOsVersion)
    : resources_(resources), hid_(hid), readOsVersion_(std::move(readOsVersion)) {}

LONG CPanelApp::OnMessage(UINT message, LPARAM /*lParam1*/, LPARAM lParam2) {
    switch (message) {
        case CPL_INIT:
            os_ = readOsVersion_();
            return 1;
        case CPL_GETCOUNT:
            return 1;
        case CPL_INQUIRE:
            Inquire(reinterpret_cast<CPLINFO*>(lParam2));
            return 0;
        case CPL_NEWINQUIRE:
            NewInquire(reinterpret_cast<NEWCPLINFOA*>(lParam2));
            return 0;
        case CPL_DBLCLK:
            RunDialog();
            return 0;
        case CPL_STARTWPARMSA:
            // Handled: a host that reads 0 as "not handled" would follow with
            // CPL_DBLCLK and open the dialog a second time.
            RunDialog();
            return TRUE;
        default:
            return 0;
    }
}

void CPanelApp::Inquire(CPLINFO* info) const {
    if (info == nullptr || !AnswersClassicInquire(os_)) {
        return;
    }
    info->idIcon = IDI_APPLET;
    info->idName = IDS_APPLET;
    info->idInfo = IDS_APPLET;
    info->lData = reinterpret_cast<LONG_PTR>(this);
}

void CPanelApp::NewInquire(NEWCPLINFOA* info) const {
    if (info == nullptr) {
        return;
    }
    info->dwSize = sizeof *info;
    info->dwFlags = 0;
    info->dwHelpContext = 0;
    info->lData = reinterpret_cast<LONG_PTR>(this);
    info->hIcon = LoadIconA(resources_, MAKEINTRESOURCEA(IDI_APPLET));
    char loaded[kTextBytes] = {};
    const int length = LoadStringA(resources_, IDS_APPLET, loaded, sizeof loaded);
    const std::string text =
        length > 0 ? std::string(loaded, static_cast<std::size_t>(length)) : "";
    CopyField(text, 0, info->szName);
    CopyField(text, 1, info->szInfo);
    CopyField(text, 2, info->szHelpFile);
}

void CPanelApp::RunDialog() const {
    CControlsDlg dialog(resources_, hid_);
    dialog.DoModal(nullptr);
}

}  // namespace applet
