#include "pipe_api.h"

namespace devices {
namespace {

class SystemPipeApi final : public SystemInterfaceList<PipeApi> {
public:
    HANDLE CreatePipeFile(const char* path, DWORD access, DWORD share, DWORD disposition,
                          DWORD flags) override {
        return CreateFileA(path, access, share, nullptr, disposition, flags, nullptr);
    }
    BOOL WritePipe(HANDLE file, const void* buffer, DWORD size, DWORD* written) override {
        return ::WriteFile(file, buffer, size, written, nullptr);
    }
    BOOL ClosePipe(HANDLE file) override { return ::CloseHandle(file); }
};

}  // namespace

PipeApi& SystemPipe() {
    static SystemPipeApi api;
    return api;
}

}  // namespace devices
