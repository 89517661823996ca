// The suite's lower filter in the instance keys of the headset's device key
// (HKEY_LOCAL_MACHINE "Enum\USB\Vid_A5C1&Pid_0D31"), where Windows 98 and Me
// read each instance's `LowerFilters` when they load its driver stack.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "unique_handle.h"

namespace setup {

inline constexpr char kDeviceKey9x[] = "Enum\\USB\\Vid_A5C1&Pid_0D31";

// The device key, opened for reading; empty when the headset was never
// attached.
tavimo::UniqueKey OpenDeviceKey9x();

class FilterRegistration {
public:
    explicit FilterRegistration(HKEY deviceKey) : device_(deviceKey) {}

    // Adds the filter to every instance. False when there is no instance or
    // any failed (the others are still visited).
    bool AddToEveryInstance();
    // Puts back the lists that AddToEveryInstance changed, as they were.
    void TakeBack();
    // Takes the filter's entries out of every instance, keeping the other
    // drivers' entries, and deletes a list left empty. An instance that
    // cannot be opened passes; false when there is no instance or a list
    // could not be read or stored.
    bool RemoveFromEveryInstance();

private:
    struct Change {
        std::string instance;
        std::optional<std::string> before;  // nothing: there was no list
    };

    // Visits every instance (all of them, whatever one gives); false when
    // there is none or any visit failed.
    bool VisitEveryInstance(bool (FilterRegistration::*visit)(const std::string&));
    bool AddTo(const std::string& instance);
    bool RemoveFrom(const std::string& instance);

    HKEY device_;
    std::vector<Change> changes_;
};

}  // namespace setup
