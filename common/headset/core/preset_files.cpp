#include "preset_files.h"

namespace headset {
namespace {

const char* Prefix(PresetKind kind) {
    switch (kind) {
        case PresetKind::Headphone:
            return "HS";
        case PresetKind::Microphone:
            return "MIC";
        case PresetKind::CodecHeadphone:
            break;
    }
    return "ZHS";
}

}  // namespace

std::string PresetFileName(PresetKind kind, std::string_view directory, int model, int index) {
    std::string name(directory);
    name += Prefix(kind);
    name += std::to_string(model);
    name += std::to_string(static_cast<long long>(index) + 1);
    name += ".BIN";
    if (name.size() >= kMaxFileName) {
        return {};
    }
    return name;
}

}  // namespace headset
