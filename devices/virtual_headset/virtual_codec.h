// The virtual headset's codec, served to this process by the codec-access
// stand-in (HSIO.DLL) through a shared-memory block named by the process id.
// One at a time per process; while none exists the stand-in finds no codec.
#pragma once

#include <windows.h>

#include <vector>

#include "codec_block.h"
#include "unique_handle.h"

namespace devices {

class VirtualCodec {
public:
    VirtualCodec();
    ~VirtualCodec();
    VirtualCodec(const VirtualCodec&) = delete;
    VirtualCodec& operator=(const VirtualCodec&) = delete;

    bool IsValid() const { return block_ != nullptr; }
    // A codec that stops answering fails every call, the probe included.
    void SetAnswering(bool answering);
    // Every DSP write that reached the codec, in order.
    std::vector<hsio::DspRecord> Records() const;
    void ClearRecords();
    // From now on message (with wParam) is posted to window after each DSP
    // write; a null window stops it.
    void NotifyOnWrite(HWND window, UINT message, WPARAM wParam);
    std::int32_t Register(std::uint32_t address) const;

private:
    tavimo::UniqueHandle mapping_;
    hsio::CodecBlock* block_ = nullptr;
};

}  // namespace devices
