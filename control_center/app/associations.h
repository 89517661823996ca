// Programs that Windows associates with kinds of files, found in the user's
// and the machine's registry: the fallbacks of the audio launcher buttons.
#pragma once

#include <string>

namespace tavimo {

// The executable of the user's most recent open-with program for files of
// `extension` (".mp3"): its application's open command, or when that has
// none the machine's "Play" (`playVerb`) or "Open" command for the
// extension. Empty when the user has no such program or no command fits.
std::string RecentOpenWithProgram(const std::string& extension, bool playVerb);

// The executable of the audio-CD play command; empty when there is none.
std::string AudioCdPlayer();

}  // namespace tavimo
