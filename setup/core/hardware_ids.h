// A device's hardware ids as the system reports them: NUL-terminated
// strings one after the other, within the size reported.
#pragma once

#include <cstddef>
#include <string_view>

namespace setup {

// True when one of the strings in the first size bytes of data begins with
// id, compared without regard to ASCII case (so an id followed by a
// revision suffix counts). A string cut off by the end of the data counts
// as far as it goes.
bool HasHardwareId(const unsigned char* data, std::size_t size, std::string_view id);

}  // namespace setup
