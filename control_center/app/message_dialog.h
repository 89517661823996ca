// The control center's modal messages: a dialog template with an icon, a
// text (control 10000) and its buttons, whose title and text are strings of
// the current language.
#pragma once

#include "dialog.h"

namespace tavimo {

// Dialog templates and their controls.
inline constexpr UINT kUnmappedDialog = 10188;          // Yes (IDOK), No (IDCANCEL)
inline constexpr UINT kErrorDialog = 11006;             // OK
inline constexpr UINT kSpeakerSelectionDialog = 11003;  // OK, Cancel, check box
inline constexpr int kDialogText = 10000;
inline constexpr int kDialogIcon = 10001;
inline constexpr int kDoNotShowAgain = 11001;

class MessageDialog : public framework::CDialog {
public:
    MessageDialog(UINT templateId, UINT titleId, UINT textId)
        : CDialog(templateId), titleId_(titleId), textId_(textId) {}

    UINT TitleId() const { return titleId_; }
    UINT TextId() const { return textId_; }

protected:
    BOOL OnInitDialog() override;

private:
    UINT titleId_;
    UINT textId_;
};

}  // namespace tavimo
