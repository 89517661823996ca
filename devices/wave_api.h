// The Windows wave services and PlaySound, one call for one call, so that
// the speaker and microphone tests run against the system's devices or
// against the virtual headset. Waiting for a device's event goes through
// here too: the virtual headset lets time pass without sleeping.
#pragma once

#include <windows.h>

#include <mmsystem.h>

namespace devices {

class WaveApi {
public:
    virtual ~WaveApi() = default;

    virtual MMRESULT InOpen(HWAVEIN* device, UINT id, const WAVEFORMATEX* format,
                            DWORD_PTR callback, DWORD_PTR instance, DWORD flags) = 0;
    virtual MMRESULT InPrepareHeader(HWAVEIN device, WAVEHDR* header, UINT size) = 0;
    virtual MMRESULT InUnprepareHeader(HWAVEIN device, WAVEHDR* header, UINT size) = 0;
    virtual MMRESULT InAddBuffer(HWAVEIN device, WAVEHDR* header, UINT size) = 0;
    virtual MMRESULT InStart(HWAVEIN device) = 0;
    virtual MMRESULT InReset(HWAVEIN device) = 0;
    virtual MMRESULT InClose(HWAVEIN device) = 0;

    virtual MMRESULT OutOpen(HWAVEOUT* device, UINT id, const WAVEFORMATEX* format,
                             DWORD_PTR callback, DWORD_PTR instance, DWORD flags) = 0;
    virtual MMRESULT OutPrepareHeader(HWAVEOUT device, WAVEHDR* header, UINT size) = 0;
    virtual MMRESULT OutUnprepareHeader(HWAVEOUT device, WAVEHDR* header, UINT size) = 0;
    virtual MMRESULT OutWrite(HWAVEOUT device, WAVEHDR* header, UINT size) = 0;
    virtual MMRESULT OutReset(HWAVEOUT device) = 0;
    virtual MMRESULT OutClose(HWAVEOUT device) = 0;

    // PlaySoundA.
    virtual BOOL PlaySound(const char* sound, HMODULE module, DWORD flags) = 0;
    // WaitForSingleObject on a device's callback event.
    virtual DWORD WaitForEvent(HANDLE event, DWORD milliseconds) = 0;
};

// The system's wave services (winmm).
WaveApi& SystemWave();

}  // namespace devices
