// The simulated codec shared by the virtual headset, which creates it, and
// the codec-access stand-in, which serves it: a bounded memory, the DSP
// registers, every DSP write in order, and the window to tell of writes. The block is named by the
// id of the process that made it, so tests running in parallel never meet.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace hsio {

inline constexpr std::uint32_t kMemorySize = 256;
inline constexpr std::uint32_t kRegisterCount = 64;
inline constexpr std::uint32_t kMaxRecords = 4096;

struct DspRecord {
    std::uint32_t address;
    std::int32_t value;
};

struct CodecBlock {
    LONG answering;  // 0 when the codec has stopped answering
    std::uint8_t memory[kMemorySize];
    std::int32_t registers[kRegisterCount];
    // Every write counts; the first kMaxRecords are kept.
    std::uint32_t recordCount;
    DspRecord records[kMaxRecords];
    // After each write the stand-in posts notifyMessage with notifyWParam
    // to this window (a window handle of this process; 0: none).
    std::uint64_t notifyWindow;
    std::uint64_t notifyWParam;
    UINT notifyMessage;
};

inline std::string BlockName(DWORD processId) {
    return "TavimoVirtualCodec." + std::to_string(processId);
}

}  // namespace hsio
