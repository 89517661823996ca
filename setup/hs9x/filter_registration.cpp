#include "filter_registration.h"

#include <algorithm>

#include "filter_list.h"

namespace setup {
namespace {

constexpr char kLowerFilters[] = "LowerFilters";
// KEY_QUERY_VALUE, KEY_SET_VALUE, KEY_CREATE_SUB_KEY, KEY_ENUMERATE_SUB_KEYS,
// KEY_NOTIFY and READ_CONTROL.
constexpr REGSAM kInstanceAccess = 0x2001F;

enum class Found { Missing, Text, OtherType, Unreadable };

struct FilterValue {
    Found found = Found::Unreadable;
    std::string text;
};

// The whole value, whatever its length, cut at its first zero (a stored
// string need not carry one).
FilterValue ReadFilters(HKEY key) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = REG_NONE, size = 0;
        LONG result = RegQueryValueExA(key, kLowerFilters, nullptr, &type, nullptr, &size);
        if (result == ERROR_FILE_NOT_FOUND) {
            return {Found::Missing, {}};
        }
        if (result != ERROR_SUCCESS) {
            return {};
        }
        if (type != REG_SZ) {
            return {Found::OtherType, {}};
        }
        std::string bytes(size + 1, '\0');
        result = RegQueryValueExA(key, kLowerFilters, nullptr, &type,
                                  reinterpret_cast<BYTE*>(bytes.data()), &size);
        if (result == ERROR_MORE_DATA) {
            continue;  // it grew meanwhile
        }
        if (result != ERROR_SUCCESS || type != REG_SZ) {
            return {};
        }
        bytes.resize(std::min<std::size_t>(size, bytes.size()));
        bytes.resize(bytes.find('\0') == std::string::npos ? bytes.size() : bytes.find('\0'));
        return {Found::Text, bytes};
    }
    return {};
}

bool StoreFilters(HKEY key, const std::string& list) {
    return RegSetValueExA(key, kLowerFilters, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(list.c_str()),
                          static_cast<DWORD>(list.size() + 1)) == ERROR_SUCCESS;
}

tavimo::UniqueKey OpenKey(HKEY parent, const char* path, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, path, 0, access, &key) != ERROR_SUCCESS) {
        return {};
    }
    return tavimo::UniqueKey(key);
}

// Relative to the device key: a subkey's name alone may be 255 characters.
tavimo::UniqueKey OpenInstance(HKEY device, const std::string& instance) {
    return OpenKey(device, instance.c_str(), kInstanceAccess);
}

}  // namespace

tavimo::UniqueKey OpenDeviceKey9x() {
    return OpenKey(HKEY_LOCAL_MACHINE, kDeviceKey9x, KEY_READ);
}

bool FilterRegistration::VisitEveryInstance(bool (FilterRegistration::*visit)(const std::string&)) {
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        char name[260] = {};
        DWORD capacity = sizeof name;
        if (RegEnumKeyExA(device_, index, name, &capacity, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name, std::min<std::size_t>(capacity, sizeof name - 1));
    }
    bool all = !names.empty();
    for (const std::string& instance : names) {
        all = (this->*visit)(instance) && all;
    }
    return all;
}

bool FilterRegistration::AddToEveryInstance() {
    return VisitEveryInstance(&FilterRegistration::AddTo);
}

bool FilterRegistration::AddTo(const std::string& instance) {
    const tavimo::UniqueKey key = OpenInstance(device_, instance);
    if (!key) {
        return false;
    }
    const FilterValue value = ReadFilters(key.get());
    if (value.found == Found::OtherType || value.found == Found::Unreadable) {
        return false;
    }
    if (ListsFilter(value.text)) {
        return true;
    }
    if (!StoreFilters(key.get(), WithFilter(value.text))) {
        return false;
    }
    changes_.push_back({instance, value.found == Found::Text
                                      ? std::optional<std::string>(value.text)
                                      : std::nullopt});
    return true;
}

void FilterRegistration::TakeBack() {
    for (const Change& change : changes_) {
        if (const tavimo::UniqueKey key = OpenInstance(device_, change.instance)) {
            if (change.before) {
                StoreFilters(key.get(), *change.before);
            } else {
                RegDeleteValueA(key.get(), kLowerFilters);
            }
        }
    }
    changes_.clear();
}

bool FilterRegistration::RemoveFromEveryInstance() {
    return VisitEveryInstance(&FilterRegistration::RemoveFrom);
}

bool FilterRegistration::RemoveFrom(const std::string& instance) {
    const tavimo::UniqueKey key = OpenInstance(device_, instance);
    if (!key) {
        return true;
    }
    const FilterValue value = ReadFilters(key.get());
    if (value.found == Found::Unreadable) {
        return false;
    }
    if (value.found != Found::Text || !ListsFilter(value.text)) {
        return true;  // nothing of ours
    }
    const std::string rest = WithoutFilter(value.text);
    return rest.empty() ? RegDeleteValueA(key.get(), kLowerFilters) == ERROR_SUCCESS
                        : StoreFilters(key.get(), rest);
}

}  // namespace setup
