// The bulk-pipe write of a preset file: its first 94 bytes, written once
// into the first filter-driver interface's pipe that opens. A missing
// or short file, no interface, or a pipe that does not open or take the
// block: nothing happens.
#pragma once

#include <string>

#include "pipe_api.h"

namespace tray {

void WritePresetToPipe(devices::PipeApi& api, const std::string& file);

}  // namespace tray
