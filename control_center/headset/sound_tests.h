// The speaker test and the microphone test: each puts the mixer into a known
// state, plays a sample or records three seconds and plays them back, and
// restores every setting it touched. They run on the caller's thread; the
// caller shows their state through a view.
#pragma once

#include <windows.h>

#include <string>

#include "headset_audio.h"
#include "wave_api.h"

namespace headset {

// String ids of the tests' status texts.
inline constexpr UINT kRecordingSample = 1104;
inline constexpr UINT kPlayingSample = 1105;
// The speaker test's sample, in the installation directory.
inline constexpr char kSampleSound[] = "QRV001.WAV";

// What the frame shows while a test runs.
class SoundTestView {
public:
    virtual ~SoundTestView() = default;
    // The status text: a string id, or 0 for the idle " ".
    virtual void ShowStatus(UINT stringId) = 0;
    // Hides or shows the microphone preset's text; clears its picture.
    virtual void ShowMicPresetText(bool shown) = 0;
    virtual void ClearMicPicture() = 0;
    // Applies the microphone preset again, which downloads it too.
    virtual void ApplyMicPreset() = 0;
};

// Plays the installation directory's sample with neutral settings.
void RunSpeakerTest(HeadsetAudio& audio, devices::WaveApi& wave, const std::string& directory,
                    SoundTestView& view);

// Records three seconds from the microphone and plays them back, the
// microphone's gain silenced meanwhile and then set for `micPreset`.
void RunMicrophoneTest(HeadsetAudio& audio, devices::WaveApi& wave, int micPreset,
                       SoundTestView& view);

}  // namespace headset
