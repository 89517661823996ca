// What the control center has left outside itself so far: the writes that
// reached the virtual headset's devices, the sounds played, what it asked of
// the desktop, and the whole registry (HKEY_LOCAL_MACHINE, a scratch key in
// tests). Two footprints are equal when nothing was done in between.
#pragma once

#include <cstddef>
#include <ostream>

#include "recording_desktop.h"
#include "test_registry.h"
#include "virtual_headset.h"

namespace frame_tests {

struct Footprint {
    std::size_t mixerWrites = 0, pipeWrites = 0, codecWrites = 0, hidReports = 0, sounds = 0;
    std::size_t launches = 0, commandLines = 0, raisedWindows = 0, dialogs = 0;
    testing_support::RegistryTree machine;
    bool operator==(const Footprint&) const = default;
};

Footprint FootprintOf(devices::VirtualHeadset& headset,
                      const testing_support::RecordingDesktop& desktop);

// The counts and the number of registry entries, for failure messages.
void PrintTo(const Footprint& footprint, std::ostream* out);

}  // namespace frame_tests
