// HeadsetAudio, its download part: opening and closing the whole headset,
// and the equalizer presets sent through the pipe or the codec binding.
#include <span>

#include "codec_preset.h"
#include "headset_audio.h"
#include "headset_ids.h"
#include "mic_gain.h"
#include "preset_files.h"
#include "preset_reader.h"

namespace headset {

HeadsetAudio::HeadsetAudio(const devices::DeviceSet& devices, CodecAccess::Libraries libraries)
    : device_(devices.mixer),
      api_(devices.mixer),
      platform_(devices.platform),
      hid_(devices.hid),
      pipe_(devices.pipe, devices.platform),
      codec_(libraries) {}

int HeadsetAudio::OpenHeadset(HWND window, const MessageSink& messages) {
    // From scratch: nothing of an earlier open survives a reopen.
    hid_.Close();
    codec_.Unload();
    pipe_.Clear();
    presetBuffer_.clear();
    headsetReady_ = false;
    const auto show = [&messages](UINT title, UINT text) {
        if (messages) {
            messages(title, text);
        }
    };
    if (!hid_.FindAndOpen()) {
        show(kMissingHeadsetTitle, kMissingHeadsetText);
        return 0;
    }
    hid_.SetNotifyWindow(window);
    if (hid_.ProductId() == tavimo::kOlderProductId) {
        presetBuffer_.resize(kPipePresetSize);
        headsetReady_ = pipe_.Find();
        if (!headsetReady_) {
            show(kMissingDriverTitle, kMissingPipeText);
        }
    } else if (hid_.ProductId() == tavimo::kNewerProductId) {
        presetBuffer_.resize(kCodecPresetSize);
        headsetReady_ = codec_.Load() != 0;
        if (!headsetReady_) {
            show(kMissingDriverTitle, kMissingCodecText);
        }
    }
    return 1;
}

int HeadsetAudio::CloseHeadset() {
    // A binding left loaded by an earlier headset goes too.
    codec_.Unload();
    const int newer = hid_.ProductId() == tavimo::kNewerProductId ? 1 : 0;
    hid_.Close();
    CloseMixer();
    headsetReady_ = false;
    return newer;
}

int HeadsetAudio::WritePipePreset(PresetKind kind, int index, std::string_view directory) {
    const auto block =
        ReadPresetFile(PresetFileName(kind, directory, hid_.ModelNumber(), index), kPipePresetSize);
    if (!block) {
        return 0;
    }
    presetBuffer_ = *block;
    return static_cast<int>(pipe_.Write(presetBuffer_.data(), kPipePresetSize));
}

// The volume is lowered around the download, also when there is nothing to
// write.
int HeadsetAudio::WriteCodecPreset(int index, std::string_view directory) {
    const int volume = GetVolumePosition();
    SetVolumePosition(0);
    platform_.Wait(kCodecDownloadPause);
    const auto file = ReadPresetFile(
        PresetFileName(PresetKind::CodecHeadphone, directory, hid_.ModelNumber(), index),
        kCodecPresetSize);
    int written = 0;
    if (file && codec_.IsLoaded()) {
        presetBuffer_ = *file;
        const auto writes =
            DecodeCodecPreset(std::span<const std::uint8_t, kCodecPresetSize>(presetBuffer_));
        if (writes) {
            codec_.Download(*writes);
            written = 1;
        }
    }
    SetVolumePosition(volume);
    return written;
}

int HeadsetAudio::DownloadHeadphonePreset(int index, std::string_view directory) {
    if (hid_.ModelNumber() == 0) {
        return 0;
    }
    if (hid_.ProductId() == tavimo::kOlderProductId && pipe_.HasPath()) {
        return WritePipePreset(PresetKind::Headphone, index, directory);
    }
    if (hid_.ProductId() == tavimo::kNewerProductId && presetBuffer_.size() == kCodecPresetSize) {
        return WriteCodecPreset(index, directory);
    }
    return 0;
}

int HeadsetAudio::DownloadMicPreset(int index, std::string_view directory) {
    if (hid_.ModelNumber() == 0 || !pipe_.HasPath()) {
        return 0;
    }
    SendMicGainForPreset(index);
    return WritePipePreset(PresetKind::Microphone, index, directory);
}

int HeadsetAudio::SendMicGainForPreset(int index) {
    const auto [minimum, maximum] = hid_.OutputValueRange(kConsumerPage, kGainUsage);
    if (minimum == -1 && maximum == -1) {
        return 0;  // the headset has no gain
    }
    const auto report = GainForMicPreset(minimum, maximum, index);
    return report ? hid_.SendGainReport(report->value, report->mute) : 0;
}

int HeadsetAudio::SilenceMicGain() {
    return hid_.SendGainReport(0, true);
}

int HeadsetAudio::CodecStillPresent() const {
    return hid_.ProductId() == tavimo::kNewerProductId && codec_.Probe() ? 1 : 0;
}

}  // namespace headset
