// The control center's settings in the registry, below the product key of
// HKEY_LOCAL_MACHINE. Every failure is silent: a read that fails gives the
// setting's default, a write that fails leaves the old value. Apart from
// "UIsettings" no key is ever created.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tavimo {

class SettingsStore {
public:
    // The text of value `name` in sub-key `section`; nothing when it is
    // missing, not a string, or needs more than `capacity` bytes.
    std::optional<std::string> ReadString(const char* section, const char* name,
                                          std::size_t capacity) const;
    // Stores `text` as REG_SZ in an existing sub-key; false when that fails.
    bool WriteString(const char* section, const char* name, const std::string& text) const;

    // Preset indexes as one digit: -1 when missing or not a digit.
    int HeadsetPreset() const;
    int MicPreset() const;
    // Stores a preset index 0..9; false when out of range or not written.
    bool StoreHeadsetPreset(int index) const;
    bool StoreMicPreset(int index) const;

    // Whether to show the speaker-selection dialog before switching the
    // output device: yes unless a double word says otherwise.
    bool SpeakerSelectionWarning() const;
    // Written by the dialog's OK; creates "UIsettings" when it is missing.
    bool StoreSpeakerSelectionWarning(bool show) const;

    // The installation directory, ending with a backslash; empty when unknown.
    std::string InstallDirectory() const;
    // The language name as stored; empty when unknown.
    std::string LanguageName() const;
};

}  // namespace tavimo
