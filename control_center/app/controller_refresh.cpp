// The controller's item updates, the full refresh, the preset drop-downs and
// pictures, and what the speaker and microphone tests show.
#include <string>
#include <vector>

#include "cell_meters.h"
#include "controller.h"
#include "di_button.h"
#include "di_dropdown.h"
#include "di_slider.h"
#include "element_ids.h"
#include "gen_text.h"
#include "item_access.h"

namespace tavimo {

using namespace element;

namespace {

constexpr int kLevelSliders[] = {kVolumeSlider, kBalanceSlider, kBassSlider, kTrebleSlider,
                                 kMicSlider};

// A text item's way of naming a string of the current language.
std::string StringReference(unsigned id) {
    return "#" + std::to_string(id);
}

// A level shown on a meter and its slider alike.
void ShowLevel(HWND frame, int meterId, int sliderId, int position) {
    if (auto* meter = FindItem<skin::CellRow>(frame, meterId)) {
        meter->SetLevel(position);
    }
    if (auto* slider = FindItem<skin::DISlider>(frame, sliderId)) {
        slider->SetPosition(position);
    }
}

void SetText(HWND frame, int id, const std::string& text) {
    if (auto* item = FindItem<skin::GenText>(frame, id)) {
        item->SetText(text);
    }
}

}  // namespace

void Controller::UpdateVolume() const {
    const int position = services_.audio.GetVolumePosition();
    auto* slider = FindItem<skin::DISlider>(frame_, kVolumeSlider);
    if (slider != nullptr && position != headset::kUnknown) {
        slider->SetPosition(position);
    }
}

void Controller::UpdateBalance() const {
    ShowLevel(frame_, kBalanceMeter, kBalanceSlider, services_.audio.GetBalancePosition());
}

void Controller::UpdateBass() const {
    ShowLevel(frame_, kBassMeter, kBassSlider, services_.audio.GetBassPosition());
}

void Controller::UpdateTreble() const {
    ShowLevel(frame_, kTrebleMeter, kTrebleSlider, services_.audio.GetTreblePosition());
}

void Controller::UpdateMicLevel() const {
    ShowLevel(frame_, kMicMeter, kMicSlider, services_.audio.GetMicPosition());
}

void Controller::UpdateSwitchButton(int id, int (headset::HeadsetAudio::*get)() const,
                                    int (headset::HeadsetAudio::*set)(int), bool writeBack) const {
    headset::HeadsetAudio& audio = services_.audio;
    const int value = (audio.*get)();
    if (writeBack && value != headset::kUnknown) {
        (audio.*set)(value);  // written back as read; the button shows the value read
    }
    if (auto* button = FindItem<skin::DIButton>(frame_, id)) {
        button->SetChecked(value != headset::kUnknown && value != 0);
    }
}

void Controller::UpdateModelName() const {
    const unsigned nameId = ModelNameId(services_.audio.ModelNumber());
    SetText(frame_, kModelName, nameId != 0 ? StringReference(nameId) : std::string());
}

void Controller::UpdateSliderActivity() const {
    const bool active = services_.audio.MixerIsOpen();
    for (const int id : kLevelSliders) {
        if (auto* slider = FindItem<skin::DISlider>(frame_, id)) {
            slider->SetActive(active);
        }
    }
}

void Controller::UpdatePresetList(int id, int stored, int count) const {
    auto* list = FindItem<skin::DIDropDown>(frame_, id);
    if (list == nullptr) {
        return;
    }
    const headset::HeadsetAudio& audio = services_.audio;
    const bool usable = audio.MixerIsOpen() && audio.HeadsetReady();
    EnableWindow(list->Window(), usable ? TRUE : FALSE);  // a disabled list closes
    list->SelectEntry(usable ? PresetToSelect(stored, count, audio.ProductId(), audio.ModelNumber())
                             : 0);
}

int Controller::SelectedEntry(int id) const {
    const auto* list = FindItem<skin::DIDropDown>(frame_, id);
    return list != nullptr && list->List() != nullptr ? list->List()->Selected() : -1;
}

void Controller::FullRefresh() {
    const SettingsStore& settings = services_.settings;
    UpdateVolume();
    UpdateBalance();
    UpdateMicLevel();
    UpdateSwitchButton(kMuteButton, &headset::HeadsetAudio::GetRecordingMute,
                       &headset::HeadsetAudio::SetRecordingMute, true);
    UpdateBass();
    UpdateSwitchButton(kBassBoostButton, &headset::HeadsetAudio::GetBassBoost,
                       &headset::HeadsetAudio::SetBassBoost, true);
    UpdateTreble();
    UpdateModelName();
    UpdateSliderActivity();
    UpdatePresetList(kHeadphonePresets, settings.HeadsetPreset(), kHeadphonePresetCount);
    UpdatePresetList(kMicPresets, settings.MicPreset(), kMicPresetCount);
    UpdateModelName();
    ApplyMicPreset(SelectedEntry(kMicPresets));
    ApplyHeadphonePreset(SelectedEntry(kHeadphonePresets));
}

namespace {

constexpr Controller::PresetItems kHeadphoneItems = {kHeadphonePicture, kHeadphonePresetText,
                                                     kHeadphonePresets};
constexpr Controller::PresetItems kMicItems = {kMicPicture, kMicPresetText, kMicPresets};

}  // namespace

void Controller::ApplyHeadphonePreset(int index) const {
    const headset::HeadsetAudio& audio = services_.audio;
    ApplyPreset(
        kHeadphoneItems, HeadphonePicture(audio.ProductId(), audio.ModelNumber(), index),
        [&] { services_.audio.DownloadHeadphonePreset(index, directory_); },
        [&] { services_.settings.StoreHeadsetPreset(index); });
}

void Controller::ApplyMicPreset(int index) const {
    const headset::HeadsetAudio& audio = services_.audio;
    ApplyPreset(
        kMicItems, MicPicture(audio.ProductId(), audio.ModelNumber(), index),
        [&] { services_.audio.DownloadMicPreset(index, directory_); },
        [&] { services_.settings.StoreMicPreset(index); });
}

template <typename Download, typename Store>
void Controller::ApplyPreset(const PresetItems& items,
                             const std::optional<EqualizerPicture>& levels, Download download,
                             Store store) const {
    auto* picture = FindItem<skin::CellArray>(frame_, items.picture);
    if (picture == nullptr || FindItem<skin::GenText>(frame_, items.text) == nullptr || !levels) {
        return;  // an index outside the list is never downloaded, drawn or stored
    }
    download();
    picture->SetLevels(std::vector<int>(levels->begin(), levels->end()));
    ShowPresetText(items);
    store();
}

void Controller::ShowPresetText(const PresetItems& items) const {
    const auto* list = FindItem<skin::DIDropDown>(frame_, items.list);
    SetText(frame_, items.text,
            services_.audio.MixerIsOpen() && list != nullptr ? list->CurrentText() : " ");
}

void Controller::ShowPresetTexts() const {
    ShowPresetText(kHeadphoneItems);
    ShowPresetText(kMicItems);
}

int Controller::MicPresetToApply() const {
    const int stored = services_.settings.MicPreset();
    return stored >= 0 && stored < kMicPresetCount ? stored : SelectedEntry(kMicPresets);
}

void Controller::ShowStatus(UINT stringId) {
    auto* status = FindItem<skin::GenText>(frame_, kTestStatus);
    if (status == nullptr) {
        return;
    }
    status->SetText(stringId != 0 ? StringReference(stringId) : " ");
    UpdateWindow(status->Window());
    UpdateWindow(frame_);
}

void Controller::ShowMicPresetText(bool shown) {
    if (auto* text = FindItem<skin::GenText>(frame_, kMicPresetText)) {
        text->Show(shown);
    }
}

void Controller::ClearMicPicture() {
    if (auto* picture = FindItem<skin::CellArray>(frame_, kMicPicture)) {
        picture->SetLevels(std::vector<int>(EqualizerPicture().size(), 0));
    }
}

void Controller::ApplyMicPreset() {
    ApplyMicPreset(MicPresetToApply());
}

}  // namespace tavimo
