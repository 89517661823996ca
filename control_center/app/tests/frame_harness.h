// The control center's frame in a test, as the program starts and ends it.
#pragma once

#include "main_frame.h"
#include "virtual_headset.h"

namespace frame_tests {

// Creates the frame's window with the common controls loaded, and lets it
// settle; false when the frame could not be built.
bool OpenFrame(tavimo::CMainFrame& frame);
// Destroys the frame's window, if it has one, and lets the messages settle.
void CloseFrame(tavimo::CMainFrame& frame);

// A frame over a whole virtual headset, open for the life of the object.
class HeadsetFrame {
public:
    HeadsetFrame(const devices::VirtualHeadset::Setup& setup, tavimo::Desktop& desktop);
    ~HeadsetFrame();
    HeadsetFrame(const HeadsetFrame&) = delete;
    HeadsetFrame& operator=(const HeadsetFrame&) = delete;

    bool IsOpen() const { return open_; }
    HWND Window() const { return frame_.GetSafeHwnd(); }
    devices::VirtualHeadset& Headset() { return headset_; }
    headset::HeadsetAudio& Audio() { return frame_.Audio(); }
    tavimo::CMainFrame& Frame() { return frame_; }

    // An item's command, posted as items post it, and what follows of it.
    void Command(int id) const;
    // Every item read again from the device.
    void Refresh() { frame_.Refresh(); }
    // The headset's mixer device goes while its HID side stays: Windows
    // says the audio devices changed, and the frame finds no mixer.
    void TakeMixerAway();

private:
    class RefreshableFrame : public tavimo::CMainFrame {
    public:
        using CMainFrame::CMainFrame;
        void Refresh() { FullRefresh(); }
    };

    devices::VirtualHeadset headset_;
    RefreshableFrame frame_;
    bool open_;
};

}  // namespace frame_tests
