// The controller: the part of the frame that ties the skin's display items
// to the headset. It turns the items' commands and slider moves into calls
// on HeadsetAudio and other actions, and device events into item updates.
// Items are reached by element id; one missing from the layout is skipped.
// It keeps no device state of its own: every refresh reads HeadsetAudio.
#pragma once

#include <windows.h>

#include <string>

#include "controller_rules.h"
#include "desktop.h"
#include "headset_audio.h"
#include "launcher.h"
#include "settings_store.h"
#include "sound_tests.h"
#include "wave_api.h"

namespace tavimo {

class Controller : private headset::SoundTestView {
public:
    // A preset's items: its picture, its text and its drop-down.
    struct PresetItems {
        int picture, text, list;
    };
    struct Services {
        headset::HeadsetAudio& audio;
        const SettingsStore& settings;
        Desktop& desktop;
        devices::WaveApi& wave;
    };

    // directory is the installation directory read at start-up.
    Controller(HWND frame, Services services, WindowsVersion version, std::string directory);

    // WM_COMMAND from an item; false for an id the controller has no role for.
    bool OnCommand(int id);
    // WM_USER+48: codes 4 and 5 of the level sliders, at positions 0..16.
    void OnSliderMoved(WPARAM wParam, LPARAM lParam);
    // WM_USER+256..260: another program changed the mixer.
    void OnMixerChanged(UINT message);
    // WM_USER+512: a headset button.
    void OnHeadsetButton(WPARAM usagePage, LPARAM usage);
    // Every item from the device, and both presets applied again.
    void FullRefresh();
    // The presets' names again, once the drop-downs show a new language's.
    void ShowPresetTexts() const;
    // Help for a tab (1..4) of the headset's family, in the user's language.
    void ShowHelp(int tab) const;

private:
    // Item updates from the model's current values.
    void UpdateVolume() const;
    void UpdateBalance() const;
    void UpdateBass() const;
    void UpdateTreble() const;
    void UpdateMicLevel() const;
    // The button shows the switch as read. A refresh writes the value back
    // as read; an update for another program's change does not, since the
    // recording mute's write would be heard again and again.
    void UpdateSwitchButton(int id, int (headset::HeadsetAudio::*get)() const,
                            int (headset::HeadsetAudio::*set)(int), bool writeBack) const;
    void ToggleSwitch(int id, int (headset::HeadsetAudio::*get)() const,
                      int (headset::HeadsetAudio::*set)(int)) const;
    void UpdateModelName() const;
    void UpdateSliderActivity() const;
    void UpdatePresetList(int id, int stored, int count) const;

    void ApplyHeadphonePreset(int index) const;
    void ApplyMicPreset(int index) const;
    // Downloads the preset, draws its picture, shows the drop-down's text
    // and stores the index; nothing for an index without a picture.
    template <typename Download, typename Store>
    void ApplyPreset(const PresetItems& items, const std::optional<EqualizerPicture>& levels,
                     Download download, Store store) const;
    // The drop-down's current entry while the mixer is open, else a blank.
    void ShowPresetText(const PresetItems& items) const;
    // The drop-down's selected entry; -1 when it is missing.
    int SelectedEntry(int id) const;
    int MicPresetToApply() const;

    void SwitchOutputDevice() const;

    // What the speaker and microphone tests show.
    void ShowStatus(UINT stringId) override;
    void ShowMicPresetText(bool shown) override;
    void ClearMicPicture() override;
    void ApplyMicPreset() override;

    HWND frame_;
    Services services_;
    WindowsVersion version_;
    std::string directory_;
    Launcher launcher_;
};

}  // namespace tavimo
