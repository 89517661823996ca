// Writes the shipped equalizer preset files into a folder, or with --check
// tells whether a folder holds exactly them, byte for byte.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "preset_designs.h"

namespace {

std::vector<std::uint8_t> ReadAll(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::string(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::cerr << "usage: make_presets FOLDER | make_presets --check FOLDER\n";
        return 2;
    }
    const std::string folder = std::string(argv[argc - 1]) + "/";
    int differing = 0;
    for (const auto& [name, bytes] : presets::AllFiles()) {
        if (check) {
            if (ReadAll(folder + name) != bytes) {
                std::cerr << name << " differs from what its design gives\n";
                ++differing;
            }
            continue;
        }
        std::ofstream file(folder + name, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        if (!file) {
            std::cerr << "cannot write " << folder << name << "\n";
            return 1;
        }
    }
    return differing == 0 ? 0 : 1;
}
