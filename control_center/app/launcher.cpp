#include "launcher.h"

#include <optional>

#include "applet_opener.h"
#include "associations.h"
#include "message_dialog.h"
#include "settings_values.h"

namespace tavimo {
namespace {

constexpr UINT kUnmappedTitle = 1019;
constexpr UINT kUnmappedText = 1020;
// ShellExecute's results up to this one are errors.
constexpr INT_PTR kLastShellError = 32;

}  // namespace

bool Launcher::Press(int id, HWND frame) {
    const LauncherButton* button = FindLauncherButton(id);
    if (button == nullptr) {
        return false;
    }
    if (button->fallback == LaunchFallback::MediaPlayers) {
        if (!LaunchMediaPlayer(*button, frame)) {
            OfferApplet(frame);
        }
    } else {
        Launch(*button, frame);
    }
    return true;
}

void Launcher::Launch(const LauncherButton& button, HWND frame) {
    const std::string command = StoredOrFound(button);
    if (command.empty() || !Start(command, frame)) {
        OfferApplet(frame);
        return;
    }
    if (button.fallback == LaunchFallback::RecentOpenWith ||
        button.fallback == LaunchFallback::AudioCdPlay) {
        settings_.WriteString(button.section, button.value, command);  // remembered once found
    }
}

bool Launcher::LaunchMediaPlayer(const LauncherButton& button, HWND frame) {
    for (const char* player : kMediaPlayers) {
        if (Start(player, frame)) {
            settings_.WriteString(button.section, button.value, player);
            return true;
        }
    }
    return false;
}

std::string Launcher::StoredOrFound(const LauncherButton& button) const {
    if (std::optional<std::string> stored =
            settings_.ReadString(button.section, button.value, kPathBytes)) {
        return *stored;
    }
    switch (button.fallback) {
        case LaunchFallback::RecentOpenWith:
            return RecentOpenWithProgram(button.extension, button.playVerb);
        case LaunchFallback::AudioCdPlay:
            return AudioCdPlayer();
        case LaunchFallback::FixedProgram:
            settings_.WriteString(button.section, button.value, button.program);
            return button.program;
        case LaunchFallback::None:
        case LaunchFallback::MediaPlayers:
            break;
    }
    return std::string();
}

bool Launcher::Start(const std::string& command, HWND frame) {
    return desktop_.Execute(frame, nullptr, command.c_str(), nullptr, nullptr, SW_SHOWNORMAL) >
           kLastShellError;
}

void Launcher::OfferApplet(HWND frame) {
    MessageDialog dialog(kUnmappedDialog, kUnmappedTitle, kUnmappedText);
    if (desktop_.RunModal(dialog, frame) == IDOK) {
        OpenApplet(desktop_);
    }
}

}  // namespace tavimo
