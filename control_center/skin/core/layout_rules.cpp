#include "layout_rules.h"

#include <algorithm>
#include <array>

#include "layout_fields.h"

namespace skin {
namespace {

constexpr std::array<ElementTypeInfo, 10> kElementTypes = {{
    {ElementType::GenText, "GenText", 10},
    {ElementType::DIGraphic, "DIGraphic", 4},
    {ElementType::DIButton, "DIButton", 7},
    {ElementType::CellRow, "CellRow", 10},
    {ElementType::CellArray, "CellArray", 9},
    {ElementType::DISlider, "DISlider", 10},
    {ElementType::DITabCtl, "DITabCtl", 14},
    {ElementType::TabItem, "TabItem", 2},
    {ElementType::DIDropDown, "DIDropDown", 10},
    {ElementType::DropDownItem, "DropDownItem", 2},
}};

void Report(int* badLine, int line) {
    if (badLine != nullptr) {
        *badLine = line;
    }
}

}  // namespace

const ElementTypeInfo* FindElementType(std::string_view name) {
    const auto found = std::find_if(kElementTypes.begin(), kElementTypes.end(),
                                    [&](const ElementTypeInfo& info) { return info.name == name; });
    return found == kElementTypes.end() ? nullptr : &*found;
}

std::optional<std::vector<PanelDecl>> ReadPanelList(const LayoutSection& layout, int* badLine) {
    std::vector<PanelDecl> panels;
    for (const LayoutEntry& entry : layout.entries) {
        const int id = ReadNumber(entry.Key());
        if (id == 0) {
            continue;
        }
        if (entry.Value(0).empty()) {
            Report(badLine, entry.Line());
            return std::nullopt;
        }
        panels.push_back({id, entry.Value(0), entry.Line()});
    }
    return panels;
}

std::optional<std::vector<PanelConfig>> ReadPanelConfigs(const LayoutSection* config,
                                                         const std::vector<PanelDecl>& panels,
                                                         int* badLine) {
    std::vector<PanelConfig> configs;
    if (config == nullptr) {
        PanelConfig all{1, {}};
        for (const PanelDecl& panel : panels) {
            all.panelIds.push_back(panel.id);
        }
        configs.push_back(std::move(all));
        return configs;
    }
    for (const LayoutEntry& entry : config->entries) {
        PanelConfig parsed{ReadNumber(entry.Key()), {}};
        if (parsed.key == 0) {
            Report(badLine, entry.Line());
            return std::nullopt;
        }
        for (const std::string_view value : entry.Values()) {
            const int id = ReadNumber(value);
            if (id == 0) {
                Report(badLine, entry.Line());
                return std::nullopt;
            }
            parsed.panelIds.push_back(id);
        }
        configs.push_back(std::move(parsed));
    }
    return configs;
}

}  // namespace skin
