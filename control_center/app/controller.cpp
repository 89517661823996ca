#include "controller.h"

#include "applet_opener.h"
#include "cell_meters.h"
#include "di_button.h"
#include "di_slider.h"
#include "element_ids.h"
#include "gen_text.h"
#include "item_access.h"
#include "language_rules.h"
#include "language_table.h"
#include "speaker_selection_dialog.h"

namespace tavimo {

using namespace element;

namespace {

// The headset's mute button: consumer page, mute usage (or the older
// family's private one).
constexpr WPARAM kConsumerPage = 0x0C;
constexpr LPARAM kMuteUsage = 0xE2;
constexpr LPARAM kOlderMuteUsage = 0x5101;

bool InRange(int value, int first, int count) {
    return value >= first && value < first + count;
}

}  // namespace

Controller::Controller(HWND frame, Services services, WindowsVersion version, std::string directory)
    : frame_(frame),
      services_(services),
      version_(std::move(version)),
      directory_(std::move(directory)),
      launcher_(services.desktop, services.settings) {}

bool Controller::OnCommand(int id) {
    headset::HeadsetAudio& audio = services_.audio;
    switch (id) {
        case kMuteButton:
            ToggleSwitch(kMuteButton, &headset::HeadsetAudio::GetRecordingMute,
                         &headset::HeadsetAudio::SetRecordingMute);
            return true;
        case kAppletButton:
            OpenApplet(services_.desktop);
            return true;
        case kVolumeDown:
        case kVolumeUp:
            audio.StepVolume(id == kVolumeDown);
            UpdateVolume();
            return true;
        case kWebButton:
            services_.desktop.Execute(
                frame_, nullptr,
                std::string(MakerPage(audio.ProductId(), audio.ModelNumber())).c_str(), nullptr,
                nullptr, SW_SHOWNORMAL);
            return true;
        case kSpeakerTest:
            if (FindItem<skin::GenText>(frame_, kTestStatus) != nullptr) {
                headset::RunSpeakerTest(audio, services_.wave, directory_, *this);
            }
            return true;
        case kMicTest:
            if (FindItem<skin::GenText>(frame_, kTestStatus) != nullptr) {
                headset::RunMicrophoneTest(audio, services_.wave, MicPresetToApply(), *this);
            }
            return true;
        case kOutputSwitch:
            SwitchOutputDevice();
            return true;
        case kBassBoostButton:
            ToggleSwitch(kBassBoostButton, &headset::HeadsetAudio::GetBassBoost,
                         &headset::HeadsetAudio::SetBassBoost);
            return true;
        default:
            break;
    }
    if (InRange(id, kFirstHeadphoneEntry, kHeadphonePresetCount)) {
        const int index = id - kFirstHeadphoneEntry;
        services_.settings.StoreHeadsetPreset(index);
        ApplyHeadphonePreset(index);
        return true;
    }
    if (InRange(id, kFirstMicEntry, kMicPresetCount)) {
        const int index = id - kFirstMicEntry;
        audio.DownloadMicPreset(index, directory_);
        ApplyMicPreset(index);
        services_.settings.StoreMicPreset(index);
        return true;
    }
    return launcher_.Press(id, frame_);
}

void Controller::ShowHelp(int tab) const {
    const headset::HeadsetAudio& audio = services_.audio;
    const std::optional<std::string> file =
        Languages().HelpPath(audio.ProductId(), audio.ModelNumber());
    if (const auto target = file ? HelpTarget(*file, HelpTopic(tab)) : std::nullopt) {
        services_.desktop.ShowHelp(frame_, *target);
    }
}

void Controller::OnSliderMoved(WPARAM wParam, LPARAM lParam) {
    const WORD code = LOWORD(wParam);
    if (code != skin::DISlider::kCodeTrack && code != skin::DISlider::kCodePosition) {
        return;
    }
    const int position = HIWORD(wParam);
    // Every level slider runs from 0 to 16. A position beyond comes from no
    // slider of ours, and bass, treble and microphone positions are not
    // clamped: it would reach the mixer as a value outside the control's range.
    if (position > headset::kPositionMax) {
        return;
    }
    headset::HeadsetAudio& audio = services_.audio;
    switch (lParam) {
        case kVolumeSlider:
            audio.SetVolumePosition(position);
            UpdateVolume();
            break;
        case kBalanceSlider:
            audio.SetBalancePosition(position);
            UpdateBalance();
            break;
        case kBassSlider:
            audio.SetBassPosition(position);
            UpdateBass();
            break;
        case kTrebleSlider:
            audio.SetTreblePosition(position);
            UpdateTreble();
            break;
        case kMicSlider:
            audio.SetMicPosition(position);
            if (auto* meter = FindItem<skin::CellRow>(frame_, kMicMeter)) {
                meter->SetLevel(position);
            }
            break;
        default:
            break;
    }
}

void Controller::OnMixerChanged(UINT message) {
    headset::HeadsetAudio& audio = services_.audio;
    switch (message) {
        case headset::kVolumeChanged:
            audio.RefreshVolumeAndBalance();
            audio.RefreshMicLevel();
            UpdateVolume();
            UpdateBalance();
            UpdateMicLevel();
            break;
        case headset::kBassChanged:
            audio.RefreshBass();
            UpdateBass();
            break;
        case headset::kTrebleChanged:
            audio.RefreshTreble();
            UpdateTreble();
            break;
        case headset::kRecordingMuteChanged:
            UpdateSwitchButton(kMuteButton, &headset::HeadsetAudio::GetRecordingMute,
                               &headset::HeadsetAudio::SetRecordingMute, false);
            break;
        case headset::kBassBoostChanged:
            UpdateSwitchButton(kBassBoostButton, &headset::HeadsetAudio::GetBassBoost,
                               &headset::HeadsetAudio::SetBassBoost, false);
            break;
        default:
            break;
    }
}

void Controller::OnHeadsetButton(WPARAM usagePage, LPARAM usage) {
    if (usagePage == kConsumerPage && (usage == kMuteUsage || usage == kOlderMuteUsage)) {
        OnCommand(kMuteButton);
    }
}

void Controller::ToggleSwitch(int id, int (headset::HeadsetAudio::*get)() const,
                              int (headset::HeadsetAudio::*set)(int)) const {
    headset::HeadsetAudio& audio = services_.audio;
    const int value = (audio.*get)();
    bool checked = false;  // a switch that cannot be read is left alone
    if (value != headset::kUnknown) {
        const int wanted = value != 0 ? 0 : 1;
        checked = (audio.*set)(wanted) != headset::kUnknown ? wanted != 0 : value != 0;
    }
    if (auto* button = FindItem<skin::DIButton>(frame_, id)) {
        button->SetChecked(checked);
    }
}

void Controller::SwitchOutputDevice() const {
    auto* button = FindItem<skin::DIButton>(frame_, kOutputSwitch);
    const auto mark = [button](bool pressed) {
        if (button != nullptr) {
            button->SetChecked(pressed);
            UpdateWindow(button->Window());
        }
    };
    mark(true);
    if (services_.settings.SpeakerSelectionWarning()) {
        SpeakerSelectionDialog dialog;
        if (services_.desktop.RunModal(dialog, frame_) != IDOK) {
            mark(false);
            return;
        }
        services_.settings.StoreSpeakerSelectionWarning(!dialog.DoNotShowAgain());
    }
    char system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(system, sizeof system);
    const std::string parameters =
        (length > 0 && length < sizeof system ? std::string(system, length) : std::string()) +
        std::string(MultimediaSettingsArgument(version_));
    services_.desktop.Execute(frame_, nullptr, "control.exe", parameters.c_str(), nullptr,
                              SW_SHOWNORMAL);
    mark(false);
}

}  // namespace tavimo
