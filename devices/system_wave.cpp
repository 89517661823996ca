#include "wave_api.h"

namespace devices {
namespace {

class SystemWaveApi final : public WaveApi {
public:
    MMRESULT InOpen(HWAVEIN* device, UINT id, const WAVEFORMATEX* format, DWORD_PTR callback,
                    DWORD_PTR instance, DWORD flags) override {
        return waveInOpen(device, id, format, callback, instance, flags);
    }
    MMRESULT InPrepareHeader(HWAVEIN device, WAVEHDR* header, UINT size) override {
        return waveInPrepareHeader(device, header, size);
    }
    MMRESULT InUnprepareHeader(HWAVEIN device, WAVEHDR* header, UINT size) override {
        return waveInUnprepareHeader(device, header, size);
    }
    MMRESULT InAddBuffer(HWAVEIN device, WAVEHDR* header, UINT size) override {
        return waveInAddBuffer(device, header, size);
    }
    MMRESULT InStart(HWAVEIN device) override { return waveInStart(device); }
    MMRESULT InReset(HWAVEIN device) override { return waveInReset(device); }
    MMRESULT InClose(HWAVEIN device) override { return waveInClose(device); }

    MMRESULT OutOpen(HWAVEOUT* device, UINT id, const WAVEFORMATEX* format, DWORD_PTR callback,
                     DWORD_PTR instance, DWORD flags) override {
        return waveOutOpen(device, id, format, callback, instance, flags);
    }
    MMRESULT OutPrepareHeader(HWAVEOUT device, WAVEHDR* header, UINT size) override {
        return waveOutPrepareHeader(device, header, size);
    }
    MMRESULT OutUnprepareHeader(HWAVEOUT device, WAVEHDR* header, UINT size) override {
        return waveOutUnprepareHeader(device, header, size);
    }
    MMRESULT OutWrite(HWAVEOUT device, WAVEHDR* header, UINT size) override {
        return waveOutWrite(device, header, size);
    }
    MMRESULT OutReset(HWAVEOUT device) override { return waveOutReset(device); }
    MMRESULT OutClose(HWAVEOUT device) override { return waveOutClose(device); }

    BOOL PlaySound(const char* sound, HMODULE module, DWORD flags) override {
        return PlaySoundA(sound, module, flags);
    }
    DWORD WaitForEvent(HANDLE event, DWORD milliseconds) override {
        return WaitForSingleObject(event, milliseconds);
    }
};

}  // namespace

WaveApi& SystemWave() {
    static SystemWaveApi api;
    return api;
}

}  // namespace devices
