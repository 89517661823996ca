// Fuzz target: any byte string as a device's lower-filter list (a registry
// value anyone may have written), through adding and taking away the
// suite's filter and through the hardware-id walk; traps when a promise is
// broken, not only on a crash.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "filter_list.h"
#include "hardware_ids.h"

namespace {

void Require(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view list(reinterpret_cast<const char*>(data), size);

    const std::string added = setup::WithFilter(list);
    Require(setup::ListsFilter(added));
    // Nothing that was there is lost: a list with entries is where the new
    // one starts.
    if (!setup::WithoutFilter(list).empty()) {
        Require(added.compare(0, list.size(), list) == 0);
    }
    Require(setup::WithFilter(added) == added);

    const std::string removed = setup::WithoutFilter(list);
    Require(!setup::ListsFilter(removed));
    Require(removed.size() <= list.size());
    Require(setup::WithoutFilter(removed) == removed);
    Require(setup::WithoutFilter(added) == removed);

    (void)setup::HasHardwareId(data, size, "USB\\Vid_A5C1&Pid_0D31");
    return 0;
}
