// HSIO.DLL stand-in: the four entry points of the codec-access library over
// the simulated codec of this process's virtual headset. Without one (no
// block, or a codec that stopped answering) every call fails with 0.
//
// HsioSetMem and HsioXDSPRead are never called by the suite; they complete
// the library's surface and serve the codec's memory and registers the way
// HsioGetMem and HsioXDSPWrite do.
#include <windows.h>

#include <cstring>
#include <mutex>

#include "codec_block.h"
#include "unique_handle.h"

namespace {

// The block of this process, mapped at the first call that finds it and
// kept until the library is unloaded.
class MappedBlock {
public:
    ~MappedBlock() {
        if (view_ != nullptr) {
            UnmapViewOfFile(view_);
        }
    }

    // The codec, when there is one and it answers.
    hsio::CodecBlock* Codec() {
        const std::lock_guard<std::mutex> guard(lock_);
        if (view_ == nullptr) {
            mapping_.reset(OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE,
                                            hsio::BlockName(GetCurrentProcessId()).c_str()));
            view_ = mapping_ ? MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0,
                                             sizeof(hsio::CodecBlock))
                             : nullptr;
        }
        auto* block = static_cast<hsio::CodecBlock*>(view_);
        return block != nullptr && block->answering != 0 ? block : nullptr;
    }

private:
    std::mutex lock_;
    tavimo::UniqueHandle mapping_;
    void* view_ = nullptr;
};

hsio::CodecBlock* Codec() {
    static MappedBlock block;
    return block.Codec();
}

bool InMemory(DWORD address, DWORD length) {
    return static_cast<unsigned long long>(address) + length <= hsio::kMemorySize;
}

}  // namespace

extern "C" {

BOOL WINAPI HsioGetMem(DWORD address, DWORD length, BYTE* buffer) {
    hsio::CodecBlock* codec = Codec();
    if (codec == nullptr || buffer == nullptr || !InMemory(address, length)) {
        return FALSE;
    }
    std::memcpy(buffer, codec->memory + address, length);
    return TRUE;
}

BOOL WINAPI HsioSetMem(DWORD address, DWORD length, const BYTE* buffer) {
    hsio::CodecBlock* codec = Codec();
    if (codec == nullptr || buffer == nullptr || !InMemory(address, length)) {
        return FALSE;
    }
    std::memcpy(codec->memory + address, buffer, length);
    return TRUE;
}

BOOL WINAPI HsioXDSPRead(DWORD address, LONG* value) {
    hsio::CodecBlock* codec = Codec();
    if (codec == nullptr || value == nullptr || address >= hsio::kRegisterCount) {
        return FALSE;
    }
    *value = codec->registers[address];
    return TRUE;
}

// Every write reaching the codec is recorded, in order, also one to an
// address the DSP does not have, and told to the codec's window.
BOOL WINAPI HsioXDSPWrite(DWORD address, LONG value) {
    hsio::CodecBlock* codec = Codec();
    if (codec == nullptr) {
        return FALSE;
    }
    if (codec->recordCount < hsio::kMaxRecords) {
        codec->records[codec->recordCount] = {address, value};
    }
    ++codec->recordCount;
    if (codec->notifyWindow != 0) {
        PostMessageA(reinterpret_cast<HWND>(static_cast<UINT_PTR>(codec->notifyWindow)),
                     codec->notifyMessage, static_cast<WPARAM>(codec->notifyWParam), 0);
    }
    if (address >= hsio::kRegisterCount) {
        return FALSE;
    }
    codec->registers[address] = value;
    return TRUE;
}

}  // extern "C"
