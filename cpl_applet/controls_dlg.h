// The audio controls dialog: the user chooses the suite's language (stored
// and announced to the running programs at once) and reads the software
// version, the headset's firmware version and the installation directory.
#pragma once

#include <windows.h>

#include "dialog.h"
#include "hid_api.h"
#include "language_table.h"

namespace applet {

class CControlsDlg : public framework::CDialog {
public:
    // The template and the applet's own texts come from resources; the
    // headset is looked for through hid.
    CControlsDlg(HINSTANCE resources, devices::HidApi& hid);

    // What the dialog found when it opened.
    unsigned LanguageAtOpen() const { return languageAtOpen_; }
    USHORT ProductId() const { return productId_; }
    int ModelNumber() const { return model_; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT id, UINT code) override;

private:
    void ShowInstallation();
    void FillLanguageList();
    void ShowHeadset();
    void Shorten();
    void Relabel();
    void OnLanguageSelected();
    // Stores the language and tells the running programs; relabels the
    // dialog. Nothing when the language cannot be stored.
    void StoreAndAnnounce(unsigned languageId);
    void OnHelp() const;

    devices::HidApi& hid_;
    tavimo::LanguageTable languages_;
    unsigned languageAtOpen_;
    USHORT productId_ = 0;
    int model_ = 0;
};

}  // namespace applet
