#include "preset_pipe.h"

#include "pipe_interface.h"
#include "preset_files.h"
#include "preset_reader.h"

namespace tray {

void WritePresetToPipe(devices::PipeApi& api, const std::string& file) {
    const auto block = headset::ReadPresetFile(file, headset::kPipePresetSize);
    if (!block) {
        return;
    }
    // The driver's interfaces are told apart by whether their pipe opens.
    const std::string interfacePath =
        headset::FindPipeInterface(api, [&api](const std::string& path) {
            return bool(headset::OpenPipe(api, headset::PipePath(path)));
        });
    if (interfacePath.empty()) {
        return;
    }
    const headset::PipeHandle pipe = headset::OpenPipe(api, headset::PipePath(interfacePath));
    if (!pipe) {
        return;
    }
    DWORD written = 0;
    api.WritePipe(pipe.get(), block->data(), static_cast<DWORD>(block->size()), &written);
}

}  // namespace tray
