// The launcher buttons of the "Audio" and "Talk" tabs: each starts the
// application whose command is stored for it, the audio buttons finding and
// remembering one when nothing is stored. A button without a working
// application offers to open the Control Panel applet.
#pragma once

#include <windows.h>

#include <string>

#include "desktop.h"
#include "launcher_table.h"
#include "settings_store.h"

namespace tavimo {

class Launcher {
public:
    Launcher(Desktop& desktop, const SettingsStore& settings)
        : desktop_(desktop), settings_(settings) {}

    // A press of button `id` on the frame; false when `id` is no launcher
    // button.
    bool Press(int id, HWND frame);

private:
    void Launch(const LauncherButton& button, HWND frame);
    bool LaunchMediaPlayer(const LauncherButton& button, HWND frame);
    std::string StoredOrFound(const LauncherButton& button) const;
    bool Start(const std::string& command, HWND frame);
    void OfferApplet(HWND frame);

    Desktop& desktop_;
    const SettingsStore& settings_;
};

}  // namespace tavimo
