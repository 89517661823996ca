// The walk over the present device interfaces of one class, shared by the
// HID headset search and the filter driver's pipe search of every program.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "interface_list_api.h"

namespace headset {

// Calls visit with the device path of each present interface of the class,
// in enumeration order, until it returns true; that path is the result
// (empty when visit accepted none). An interface whose path cannot be read,
// or is empty, is passed over.
std::string WalkInterfaces(devices::InterfaceListApi& api, const GUID& interfaceClass,
                           const std::function<bool(const std::string& path)>& visit);

}  // namespace headset
