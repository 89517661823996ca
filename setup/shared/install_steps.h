// The steps both installation libraries share: the Windows directory, the
// support files copied into it, the check that the headset answers through
// the codec-access library, and the Retry/Cancel wait.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace setup {

// The Windows directory without a trailing backslash; nothing when the
// system cannot say.
std::optional<std::string> WindowsDirectory();

// Copies the driver, the codec-access library, the coefficient library and
// the equalizer INF from the current directory into the Windows directory,
// the libraries into systemFolder ("\\system" or "\\system32"), overwriting
// what is there. A destination in use (access denied, or a sharing
// violation as NT reports a loaded file) counts as done; any other failure
// stops the copy. True when all four are done.
bool CopySupportFiles(const char* systemFolder);

// Loads "HSIO.DLL", binds its four entry points and asks the headset for one
// byte; the library is freed again before returning.
bool CodecAnswers();

// Tests ready, and while it fails shows the Retry/Cancel prompt with text
// and no owner; true once ready passes, false when the user cancels (or
// the prompt cannot be shown).
bool WaitWithPrompt(const char* text, const std::function<bool()>& ready);

// Writes detail when the caller gave somewhere to write it.
inline void SetDetail(int* detail, int value) {
    if (detail != nullptr) {
        *detail = value;
    }
}

// Only the low byte of the mode flag counts: 0 installs.
inline bool IsInstall(int mode) {
    return (mode & 0xFF) == 0;
}

}  // namespace setup
