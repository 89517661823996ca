// What a layout text must hold for the loader to build it: the panel list,
// the panel configurations and the element types. The loader and the skin
// authors' checker share these rules.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "layout_doc.h"

namespace skin {

enum class ElementType {
    GenText,
    DIGraphic,
    DIButton,
    CellRow,
    CellArray,
    DISlider,
    DITabCtl,
    TabItem,
    DIDropDown,
    DropDownItem,
};

struct ElementTypeInfo {
    ElementType type;
    std::string_view name;
    std::size_t minValues;  // with fewer values the item is not built
};

// The type named exactly (case-sensitive) by an element's first value.
const ElementTypeInfo* FindElementType(std::string_view name);

// A [Layout] entry "N=SectionName".
struct PanelDecl {
    int id;
    std::string_view section;
    int line;
};

// The panels of the [Layout] section in order (entries whose key reads as 0
// are not panels). nullopt, with the offending line, when an entry has no
// section name.
std::optional<std::vector<PanelDecl>> ReadPanelList(const LayoutSection& layout, int* badLine);

struct PanelConfig {
    int key;
    std::vector<int> panelIds;

    bool operator==(const PanelConfig&) const = default;
};

// The [Config] entries in order, or, when the section is missing, one
// configuration of all panels. nullopt, with the offending line, when a key
// or any value reads as 0.
std::optional<std::vector<PanelConfig>> ReadPanelConfigs(const LayoutSection* config,
                                                         const std::vector<PanelDecl>& panels,
                                                         int* badLine);

// Keys of a panel section with a meaning of their own.
inline constexpr std::string_view kBackgroundKey = "background";
inline constexpr std::string_view kSizeKey = "size";
inline constexpr std::string_view kControlSetKey = "controlset";  // exact, lower case

}  // namespace skin
