// What the "Virtual headset" window does to the virtual headset, for its own
// controls and for demo_ctl alike: the mute button pressed, levels changed as
// another program would change them, unplugging and plugging, and the status
// read back, with the last download and gain report the control center sent.
#pragma once

#include <windows.h>

#include <string>

#include "demo_command.h"
#include "headset_status.h"
#include "virtual_headset.h"

namespace demo {

class HeadsetActions {
public:
    explicit HeadsetActions(devices::VirtualHeadset& headset) : headset_(headset) {}

    // False when the command cannot be done now (a level or the button with
    // the headset unplugged, plugging a plugged headset, ...).
    bool Run(const DemoCommand& command);
    // frame: the control center's window, whose mute button is read (none
    // when null or gone).
    HeadsetStatus Status(HWND frame) const;
    // Takes note of what the control center downloaded since the last call.
    void NoteDownload();

private:
    bool SetLevel(Action action, int position);
    bool SetVolume(int position);
    bool SetBalance(int position);
    bool SetSwitch(DWORD componentType, DWORD controlType, bool on);
    void PressMuteButton();

    devices::VirtualHeadset& headset_;
    std::string lastDownload_;
    std::size_t pipeBlocksSeen_ = 0;
};

}  // namespace demo
