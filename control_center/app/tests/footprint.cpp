#include "footprint.h"

namespace frame_tests {

Footprint FootprintOf(devices::VirtualHeadset& headset,
                      const testing_support::RecordingDesktop& desktop) {
    Footprint footprint;
    footprint.mixerWrites = headset.Mixer().Writes().size();
    footprint.pipeWrites = static_cast<std::size_t>(headset.Pipe().WriteCalls());
    footprint.codecWrites = headset.Codec().Records().size();
    footprint.hidReports = headset.Hid().OutputReports().size();
    footprint.sounds = headset.Wave().PlayedSounds().size();
    footprint.launches = desktop.executed.size();
    footprint.commandLines = desktop.commandLines.size();
    footprint.raisedWindows = desktop.broughtForward.size();
    footprint.dialogs = desktop.dialogs.size();
    footprint.machine = testing_support::SnapshotTree(HKEY_LOCAL_MACHINE);
    return footprint;
}

void PrintTo(const Footprint& footprint, std::ostream* out) {
    *out << "{mixer " << footprint.mixerWrites << ", pipe " << footprint.pipeWrites << ", codec "
         << footprint.codecWrites << ", hid " << footprint.hidReports << ", sounds "
         << footprint.sounds << ", launches " << footprint.launches << ", command lines "
         << footprint.commandLines << ", raised " << footprint.raisedWindows << ", dialogs "
         << footprint.dialogs << ", registry entries " << footprint.machine.size() << "}";
}

}  // namespace frame_tests
