#include "virtual_codec.h"

#include <algorithm>

namespace devices {

VirtualCodec::VirtualCodec()
    : mapping_(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  sizeof(hsio::CodecBlock),
                                  hsio::BlockName(GetCurrentProcessId()).c_str())) {
    if (mapping_) {
        block_ = static_cast<hsio::CodecBlock*>(
            MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(hsio::CodecBlock)));
    }
    if (block_ != nullptr) {
        *block_ = {};
        block_->answering = 1;
    }
}

VirtualCodec::~VirtualCodec() {
    if (block_ != nullptr) {
        UnmapViewOfFile(block_);
    }
}

void VirtualCodec::SetAnswering(bool answering) {
    if (block_ != nullptr) {
        InterlockedExchange(&block_->answering, answering ? 1 : 0);
    }
}

std::vector<hsio::DspRecord> VirtualCodec::Records() const {
    if (block_ == nullptr) {
        return {};
    }
    const std::uint32_t kept = std::min(block_->recordCount, hsio::kMaxRecords);
    return {block_->records, block_->records + kept};
}

void VirtualCodec::ClearRecords() {
    if (block_ != nullptr) {
        block_->recordCount = 0;
    }
}

void VirtualCodec::NotifyOnWrite(HWND window, UINT message, WPARAM wParam) {
    if (block_ != nullptr) {
        block_->notifyMessage = message;
        block_->notifyWParam = wParam;
        block_->notifyWindow = reinterpret_cast<UINT_PTR>(window);
    }
}

std::int32_t VirtualCodec::Register(std::uint32_t address) const {
    return block_ != nullptr && address < hsio::kRegisterCount ? block_->registers[address] : 0;
}

}  // namespace devices
