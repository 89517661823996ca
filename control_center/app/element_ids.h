// The element ids of the layouts that the controller acts on or updates.
#pragma once

namespace tavimo::element {

inline constexpr int kMuteButton = 1;
inline constexpr int kAppletButton = 2;
inline constexpr int kVolumeDown = 3;
inline constexpr int kVolumeSlider = 5;
inline constexpr int kVolumeUp = 6;
inline constexpr int kWebButton = 7;
inline constexpr int kHeadphonePicture = 102;
inline constexpr int kMicPicture = 103;
inline constexpr int kBalanceMeter = 105;
inline constexpr int kBassMeter = 107;
inline constexpr int kTrebleMeter = 109;
inline constexpr int kMicMeter = 111;
inline constexpr int kModelName = 112;
inline constexpr int kHeadphonePresetText = 113;
inline constexpr int kMicPresetText = 114;
inline constexpr int kTestStatus = 115;
inline constexpr int kHeadphonePresets = 302;
inline constexpr int kBalanceSlider = 304;
inline constexpr int kBassSlider = 306;
inline constexpr int kTrebleSlider = 308;
inline constexpr int kSpeakerTest = 309;
inline constexpr int kMicPresets = 312;
inline constexpr int kMicSlider = 314;
inline constexpr int kMicTest = 315;
inline constexpr int kOutputSwitch = 341;
inline constexpr int kBassBoostButton = 344;
inline constexpr int kFirstHeadphoneEntry = 351;
inline constexpr int kFirstMicEntry = 361;

}  // namespace tavimo::element
