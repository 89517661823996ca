#include "speaker_selection_dialog.h"

#include "language_table.h"

namespace tavimo {
namespace {

constexpr UINT kTitle = 1111;
constexpr UINT kText = 1112;
constexpr UINT kCheckBoxLabel = 1113;

}  // namespace

SpeakerSelectionDialog::SpeakerSelectionDialog()
    : MessageDialog(kSpeakerSelectionDialog, kTitle, kText) {}

BOOL SpeakerSelectionDialog::OnInitDialog() {
    SetDlgItemTextA(m_hWnd, kDoNotShowAgain, Languages().Text(kCheckBoxLabel).c_str());
    return MessageDialog::OnInitDialog();
}

BOOL SpeakerSelectionDialog::OnCommand(UINT id, UINT code) {
    if (id == IDOK) {
        doNotShowAgain_ = IsDlgButtonChecked(m_hWnd, kDoNotShowAgain) == BST_CHECKED;
    }
    return MessageDialog::OnCommand(id, code);
}

}  // namespace tavimo
