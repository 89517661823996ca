#include "virtual_wave.h"

#include <fstream>
#include <iterator>

namespace devices {
namespace {

// The handles the virtual devices hand out.
HWAVEIN const kInput = reinterpret_cast<HWAVEIN>(0x7A1);
HWAVEOUT const kOutput = reinterpret_cast<HWAVEOUT>(0x7A2);

}  // namespace

MMRESULT VirtualWave::Open(Device& device, bool present, const WAVEFORMATEX* format,
                           DWORD_PTR callback, DWORD flags) {
    if (!present) {
        return MMSYSERR_NODRIVER;
    }
    if (device.open) {
        return MMSYSERR_ALLOCATED;
    }
    if (format == nullptr || format->wFormatTag != WAVE_FORMAT_PCM ||
        format->nAvgBytesPerSec == 0 || (flags & CALLBACK_TYPEMASK) != CALLBACK_EVENT) {
        return WAVERR_BADFORMAT;
    }
    device = {};
    device.open = true;
    device.event = reinterpret_cast<HANDLE>(callback);
    device.bytesPerSecond = format->nAvgBytesPerSec;
    if (options_.notifiesOpen) {
        SetEvent(device.event);
    }
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualWave::Unprepare(Device& device, WAVEHDR* header, const char* kind) {
    if (!device.open || header == nullptr || header != device.prepared) {
        return MMSYSERR_INVALPARAM;
    }
    if (device.queued == header) {
        misuses_.push_back(std::string(kind) + ": unprepared a queued buffer");
        return WAVERR_STILLPLAYING;
    }
    header->dwFlags &= ~static_cast<DWORD>(WHDR_PREPARED);
    device.prepared = nullptr;
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualWave::Close(Device& device, const char* kind) {
    if (!device.open) {
        return MMSYSERR_INVALHANDLE;
    }
    if (device.queued != nullptr) {
        misuses_.push_back(std::string(kind) + ": closed with a queued buffer");
        return WAVERR_STILLPLAYING;
    }
    if (device.prepared != nullptr) {
        misuses_.push_back(std::string(kind) + ": closed with a prepared header");
    }
    SetEvent(device.event);  // the close notification
    device = {};
    return MMSYSERR_NOERROR;
}

void VirtualWave::GiveBack(Device& device) {
    device.queued->dwFlags |= WHDR_DONE;
    device.queued = nullptr;
    device.started = false;
    SetEvent(device.event);
}

void VirtualWave::Fill(WAVEHDR& header) const {
    const std::string& heard = options_.microphone;
    const DWORD bytes = std::min(header.dwBufferLength, options_.recordedBytes);
    for (DWORD i = 0; i < bytes && !heard.empty(); ++i) {
        header.lpData[i] = heard[i % heard.size()];
    }
    header.dwBytesRecorded = bytes;
}

void VirtualWave::Advance(Device& device, DWORD milliseconds, bool recording) {
    if (device.queued == nullptr || !device.started || options_.keepsBuffers) {
        return;
    }
    device.elapsed += milliseconds;
    WAVEHDR& header = *device.queued;
    const unsigned long long length = 1000ULL * header.dwBufferLength / device.bytesPerSecond;
    if (device.elapsed < length) {
        return;
    }
    if (recording) {
        Fill(header);
    } else {
        played_.push_back(
            {"", 0, std::vector<char>(header.lpData, header.lpData + header.dwBufferLength)});
    }
    GiveBack(device);
}

MMRESULT VirtualWave::InOpen(HWAVEIN* device, UINT, const WAVEFORMATEX* format, DWORD_PTR callback,
                             DWORD_PTR, DWORD flags) {
    const MMRESULT result = Open(in_, options_.hasInput, format, callback, flags);
    if (result == MMSYSERR_NOERROR) {
        *device = kInput;
    }
    return result;
}

MMRESULT VirtualWave::Prepare(Device& device, WAVEHDR* header, UINT size) {
    if (!device.open || header == nullptr || size != sizeof(WAVEHDR)) {
        return MMSYSERR_INVALPARAM;
    }
    header->dwFlags |= WHDR_PREPARED;
    device.prepared = header;
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualWave::Queue(Device& device, WAVEHDR* header) {
    if (header == nullptr || header != device.prepared || device.queued != nullptr) {
        return WAVERR_UNPREPARED;
    }
    header->dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
    device.queued = header;
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualWave::Reset(Device& device) {
    if (!device.open) {
        return MMSYSERR_INVALHANDLE;
    }
    if (device.queued != nullptr) {
        GiveBack(device);
    }
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualWave::InPrepareHeader(HWAVEIN device, WAVEHDR* header, UINT size) {
    return device == kInput ? Prepare(in_, header, size) : MMSYSERR_INVALHANDLE;
}

MMRESULT VirtualWave::InUnprepareHeader(HWAVEIN device, WAVEHDR* header, UINT) {
    return device == kInput ? Unprepare(in_, header, "wave-in") : MMSYSERR_INVALHANDLE;
}

MMRESULT VirtualWave::InAddBuffer(HWAVEIN device, WAVEHDR* header, UINT) {
    return device == kInput ? Queue(in_, header) : MMSYSERR_INVALHANDLE;
}

MMRESULT VirtualWave::InStart(HWAVEIN device) {
    if (device != kInput || !in_.open) {
        return MMSYSERR_INVALHANDLE;
    }
    in_.started = true;
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualWave::InReset(HWAVEIN device) {
    return device == kInput ? Reset(in_) : MMSYSERR_INVALHANDLE;
}

MMRESULT VirtualWave::InClose(HWAVEIN device) {
    return device == kInput ? Close(in_, "wave-in") : MMSYSERR_INVALHANDLE;
}

MMRESULT VirtualWave::OutOpen(HWAVEOUT* device, UINT, const WAVEFORMATEX* format,
                              DWORD_PTR callback, DWORD_PTR, DWORD flags) {
    const MMRESULT result = Open(out_, options_.hasOutput, format, callback, flags);
    if (result == MMSYSERR_NOERROR) {
        *device = kOutput;
    }
    return result;
}

MMRESULT VirtualWave::OutPrepareHeader(HWAVEOUT device, WAVEHDR* header, UINT size) {
    return device == kOutput ? Prepare(out_, header, size) : MMSYSERR_INVALHANDLE;
}

MMRESULT VirtualWave::OutUnprepareHeader(HWAVEOUT device, WAVEHDR* header, UINT) {
    return device == kOutput ? Unprepare(out_, header, "wave-out") : MMSYSERR_INVALHANDLE;
}

MMRESULT VirtualWave::OutWrite(HWAVEOUT device, WAVEHDR* header, UINT) {
    if (device != kOutput) {
        return MMSYSERR_INVALHANDLE;
    }
    const MMRESULT result = Queue(out_, header);
    out_.started = result == MMSYSERR_NOERROR;  // playback starts with the write
    return result;
}

MMRESULT VirtualWave::OutReset(HWAVEOUT device) {
    return device == kOutput ? Reset(out_) : MMSYSERR_INVALHANDLE;
}

MMRESULT VirtualWave::OutClose(HWAVEOUT device) {
    return device == kOutput ? Close(out_, "wave-out") : MMSYSERR_INVALHANDLE;
}

BOOL VirtualWave::PlaySound(const char* sound, HMODULE, DWORD flags) {
    std::ifstream file(sound != nullptr ? sound : "", std::ios::binary);
    if (!options_.hasOutput || !options_.soundFilesPlay || !file) {
        return FALSE;
    }
    played_.push_back({sound, flags, std::vector<char>(std::istreambuf_iterator<char>(file), {})});
    if (whilePlaying) {
        whilePlaying();
    }
    return TRUE;
}

DWORD VirtualWave::WaitForEvent(HANDLE event, DWORD milliseconds) {
    waited_ += milliseconds;
    Advance(in_, milliseconds, true);
    Advance(out_, milliseconds, false);
    return WaitForSingleObject(event, 0);
}

}  // namespace devices
