// The virtual headset's wave devices: one recording and one playback device
// behind WAVE_MAPPER, and PlaySound. Time passes only while the caller waits
// for a device's event: a recording or a playback is done once those waits
// add up to its length. A device can be missing, late to tell that it
// opened, or keep its buffer until it is reset; everything played is kept for
// tests to assert.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "wave_api.h"

namespace devices {

class VirtualWave final : public WaveApi {
public:
    struct Options {
        bool hasInput = true;
        bool hasOutput = true;
        bool notifiesOpen = true;   // false: the open event never comes
        bool keepsBuffers = false;  // true: a buffer comes back only on reset
        // What the microphone hears, repeated over the recording; when
        // recordedBytes is less than the buffer, only that much is recorded.
        std::string microphone = "\1\2\3\4";
        DWORD recordedBytes = 0xFFFFFFFF;
        bool soundFilesPlay = true;  // PlaySound of an existing file succeeds
    };
    struct Played {
        std::string sound;  // PlaySound's file; empty for wave-out
        DWORD flags = 0;
        std::vector<char> bytes;
    };

    explicit VirtualWave(Options options) : options_(std::move(options)) {}
    VirtualWave() : VirtualWave(Options{}) {}

    const std::vector<Played>& PlayedSounds() const { return played_; }
    // Calls that broke the devices' rules (closing a device with a prepared
    // header or a queued buffer, unpreparing a queued buffer).
    const std::vector<std::string>& Misuses() const { return misuses_; }
    int OpenDevices() const { return (in_.open ? 1 : 0) + (out_.open ? 1 : 0); }
    DWORD WaitedMilliseconds() const { return waited_; }
    // Called while PlaySound plays, so a test can see the mixer then.
    std::function<void()> whilePlaying;

    MMRESULT InOpen(HWAVEIN* device, UINT id, const WAVEFORMATEX* format, DWORD_PTR callback,
                    DWORD_PTR instance, DWORD flags) override;
    MMRESULT InPrepareHeader(HWAVEIN device, WAVEHDR* header, UINT size) override;
    MMRESULT InUnprepareHeader(HWAVEIN device, WAVEHDR* header, UINT size) override;
    MMRESULT InAddBuffer(HWAVEIN device, WAVEHDR* header, UINT size) override;
    MMRESULT InStart(HWAVEIN device) override;
    MMRESULT InReset(HWAVEIN device) override;
    MMRESULT InClose(HWAVEIN device) override;
    MMRESULT OutOpen(HWAVEOUT* device, UINT id, const WAVEFORMATEX* format, DWORD_PTR callback,
                     DWORD_PTR instance, DWORD flags) override;
    MMRESULT OutPrepareHeader(HWAVEOUT device, WAVEHDR* header, UINT size) override;
    MMRESULT OutUnprepareHeader(HWAVEOUT device, WAVEHDR* header, UINT size) override;
    MMRESULT OutWrite(HWAVEOUT device, WAVEHDR* header, UINT size) override;
    MMRESULT OutReset(HWAVEOUT device) override;
    MMRESULT OutClose(HWAVEOUT device) override;
    BOOL PlaySound(const char* sound, HMODULE module, DWORD flags) override;
    DWORD WaitForEvent(HANDLE event, DWORD milliseconds) override;

private:
    // One device's state.
    struct Device {
        bool open = false;
        HANDLE event = nullptr;
        DWORD bytesPerSecond = 0;
        WAVEHDR* prepared = nullptr;
        WAVEHDR* queued = nullptr;
        bool started = false;
        DWORD elapsed = 0;  // milliseconds the queued buffer has run
    };

    MMRESULT Open(Device& device, bool present, const WAVEFORMATEX* format, DWORD_PTR callback,
                  DWORD flags);
    MMRESULT Prepare(Device& device, WAVEHDR* header, UINT size);
    MMRESULT Queue(Device& device, WAVEHDR* header);
    MMRESULT Reset(Device& device);
    MMRESULT Unprepare(Device& device, WAVEHDR* header, const char* kind);
    MMRESULT Close(Device& device, const char* kind);
    void GiveBack(Device& device);
    void Advance(Device& device, DWORD milliseconds, bool recording);
    void Fill(WAVEHDR& header) const;

    Options options_;
    Device in_;
    Device out_;
    std::vector<Played> played_;
    std::vector<std::string> misuses_;
    DWORD waited_ = 0;
};

}  // namespace devices
