// "Speaker/Headset Selection": shown before the Windows multimedia settings
// are opened to switch the output device, with a check box that stops it
// from being shown again.
#pragma once

#include "message_dialog.h"

namespace tavimo {

class SpeakerSelectionDialog : public MessageDialog {
public:
    SpeakerSelectionDialog();

    // Whether the check box was ticked when the dialog ended.
    bool DoNotShowAgain() const { return doNotShowAgain_; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT id, UINT code) override;

private:
    bool doNotShowAgain_ = false;
};

}  // namespace tavimo
