// The virtual headset's filter driver: its device interface (present or
// not), whose "\PIPE00" opens and takes preset blocks. Opening and writing
// can be made to fail a number of times; every block written is kept (and
// an observer told of it), and the handles given out are counted.
#pragma once

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "pipe_api.h"
#include "preset_block.h"

namespace devices {

class VirtualPipe final : public PipeApi {
public:
    static constexpr char kInterfacePath[] =
        "\\\\?\\usb#vid_a5c1&pid_0b52#virtual#{6a1f2c3d-4e5b-4a79-8c0d-1e2f3a4b5c6d}";

    explicit VirtualPipe(bool present = true) : present_(present) {}

    void SetPresent(bool present);
    // Another interface path (of any length) for the driver.
    void SetInterfacePath(std::string path);
    // The next count opens (or writes) fail.
    void FailOpens(int count);
    void FailWrites(int count);
    // Called after each block taken, outside the pipe's lock; empty: none.
    void SetWriteObserver(std::function<void()> observer);

    std::vector<std::vector<BYTE>> Blocks() const;
    // The blocks as the headset would take them; one not in the suite's
    // layout (damaged, or of another size) gives nothing.
    std::vector<std::optional<presets::PresetBlock>> Decoded() const;
    int OpenCalls() const;
    int WriteCalls() const;
    int OpenHandles() const;
    // Device sets given out and not destroyed.
    int OpenSets() const;

    HDEVINFO GetClassDevs(const GUID* guid, DWORD flags) override;
    BOOL EnumDeviceInterfaces(HDEVINFO set, const GUID* guid, DWORD index,
                              SP_DEVICE_INTERFACE_DATA* data) override;
    BOOL GetDeviceInterfaceDetail(HDEVINFO set, SP_DEVICE_INTERFACE_DATA* data,
                                  SP_DEVICE_INTERFACE_DETAIL_DATA_A* detail, DWORD size,
                                  DWORD* required) override;
    BOOL DestroyDeviceInfoList(HDEVINFO set) override;
    HANDLE CreatePipeFile(const char* path, DWORD access, DWORD share, DWORD disposition,
                          DWORD flags) override;
    BOOL WritePipe(HANDLE file, const void* buffer, DWORD size, DWORD* written) override;
    BOOL ClosePipe(HANDLE file) override;

private:
    mutable std::mutex lock_;
    bool present_;
    std::string path_ = kInterfacePath;
    int failOpens_ = 0, failWrites_ = 0;
    int openCalls_ = 0, writeCalls_ = 0, openHandles_ = 0, openSets_ = 0;
    std::vector<std::vector<BYTE>> blocks_;
    std::function<void()> observer_;
};

}  // namespace devices
