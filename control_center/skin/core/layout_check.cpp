#include "layout_check.h"

#include <cstdio>
#include <map>

#include "layout_fields.h"
#include "layout_rules.h"
#include "panel_stack.h"

namespace skin {
namespace {

// Where each type keeps its colours and its font face (value indexes).
struct FieldPlaces {
    std::vector<std::size_t> colours;
    std::size_t face = 0;  // 0: none
};

FieldPlaces PlacesOf(ElementType type, std::size_t valueCount) {
    switch (type) {
        case ElementType::GenText:
            return {{7, 8}, 4};
        case ElementType::DIButton:
            return valueCount >= 13 ? FieldPlaces{{10, 11}, 7} : FieldPlaces{};
        case ElementType::DITabCtl:
            return {{10, 11, 12, 13}, 7};
        case ElementType::DIDropDown:
            return {{8, 9}, 5};
        default:
            return {};
    }
}

// Joins the pieces of a message (also keeps GCC's -Wrestrict false alarm on
// "literal" + std::string away).
template <typename... Pieces>
std::string Message(const Pieces&... pieces) {
    std::string text;
    (text.append(std::string_view(pieces)), ...);
    return text;
}

std::string Quoted(std::string_view text) {
    return Message("'", text, "'");
}

class Checker {
public:
    explicit Checker(const LayoutDoc& doc) : doc_(doc) {}

    std::vector<LayoutProblem> Run() {
        for (const LayoutNote& note : doc_.notes) {
            Add(note.line, note.text);
        }
        const LayoutSection* layout = doc_.Section("Layout");
        if (layout == nullptr) {
            Add(0, "missing [Layout] section");
            return std::move(problems_);
        }
        int badLine = 0;
        const auto panels = ReadPanelList(*layout, &badLine);
        if (!panels) {
            Add(badLine, "[Layout] entry without a section name");
            return std::move(problems_);
        }
        if (panels->empty()) {
            Add(layout->line, "layout has no panels");
        }
        for (const PanelDecl& panel : *panels) {
            CheckPanel(panel);
        }
        const auto configs = ReadPanelConfigs(doc_.Section("Config"), *panels, &badLine);
        if (!configs) {
            Add(badLine, "bad [Config] entry: a key or panel id reads as 0");
        } else if (configs->empty()) {
            Add(doc_.Section("Config")->line, "[Config] lists no configuration");
        }
        return std::move(problems_);
    }

private:
    void Add(int line, std::string text) { problems_.push_back({line, std::move(text)}); }

    void CheckPanel(const PanelDecl& panel) {
        const LayoutSection* section = doc_.Section(panel.section);
        if (section == nullptr) {
            Add(panel.line,
                Message("panel ", std::to_string(panel.id), ": no section [", panel.section, "]"));
            return;
        }
        CheckPanelSize(*section, panel.line);
        bool haveDropDown = false;
        bool haveTabStrip = false;
        for (const LayoutEntry& entry : section->entries) {
            if (EqualsIgnoringCase(entry.key, kBackgroundKey) ||
                EqualsIgnoringCase(entry.key, kSizeKey)) {
                continue;
            }
            if (entry.key == kControlSetKey) {
                haveDropDown = haveTabStrip = false;
                continue;
            }
            if (entry.values.empty()) {
                Add(entry.line, "line without '=' is ignored");
                continue;
            }
            const int id = ReadNumber(entry.key);
            if (id == 0) {
                Add(entry.line,
                    Message("key ", Quoted(entry.key), " is not an element id; ignored"));
                continue;
            }
            const ElementTypeInfo* type = CheckElement(entry, id);
            if (type == nullptr) {
                continue;
            }
            if (type->type == ElementType::DIDropDown) {
                haveDropDown = true;
            } else if (type->type == ElementType::DITabCtl) {
                haveTabStrip = true;
            } else if (type->type == ElementType::DropDownItem && !haveDropDown) {
                Add(entry.line, "DropDownItem without a DIDropDown before it in its control set");
            } else if (type->type == ElementType::TabItem && !haveTabStrip) {
                Add(entry.line, "TabItem without a DITabCtl before it in its control set");
            }
        }
    }

    void CheckPanelSize(const LayoutSection& section, int panelLine) {
        const LayoutEntry* background = section.Entry(kBackgroundKey);
        if (background != nullptr && !background->values.empty()) {
            if (background->Value(0).empty()) {
                Add(background->line, "empty background bitmap");
            }
            return;
        }
        const LayoutEntry* size = section.Entry(kSizeKey);
        if (size == nullptr || size->values.size() < 2) {
            Add(panelLine,
                Message("panel [", section.name, "] has neither a background nor a size"));
            return;
        }
        if (!IsUsablePanelSize({ReadNumber(size->Value(0)), ReadNumber(size->Value(1))})) {
            Add(size->line, "panel size must be 0 to 32767 on each side, not both 0");
        }
    }

    // The element's type when the loader would build it.
    const ElementTypeInfo* CheckElement(const LayoutEntry& entry, int id) {
        const auto [previous, isNew] = ids_.emplace(id, entry.line);
        if (!isNew) {
            Add(entry.line, Message("element id ", std::to_string(id), " already used on line ",
                                    std::to_string(previous->second)));
        }
        const ElementTypeInfo* type = FindElementType(entry.Value(0));
        if (type == nullptr) {
            Add(entry.line, Message("unknown element type ", Quoted(entry.Value(0))));
            return nullptr;
        }
        if (entry.values.size() < type->minValues) {
            Add(entry.line, Message(type->name, " needs ", std::to_string(type->minValues),
                                    " values, has ", std::to_string(entry.values.size())));
            return nullptr;
        }
        const FieldPlaces places = PlacesOf(type->type, entry.values.size());
        for (std::size_t i : places.colours) {
            if (!entry.Value(i).empty() && !IsWellFormedColour(entry.Value(i))) {
                Add(entry.line, Message("bad colour ", Quoted(entry.Value(i)), " (want #RRGGBB)"));
            }
        }
        if (places.face != 0 && entry.Value(places.face).size() > kMaxFaceLength) {
            Add(entry.line, "font face longer than 31 characters");
        }
        return type;
    }

    const LayoutDoc& doc_;
    std::vector<LayoutProblem> problems_;
    std::map<int, int> ids_;  // element id -> first line
};

void AppendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        } else {
            out += c;
        }
    }
}

}  // namespace

std::vector<LayoutProblem> CheckLayout(const LayoutDoc& doc) {
    return Checker(doc).Run();
}

std::string DumpLayout(const LayoutDoc& doc) {
    std::string out;
    for (const LayoutSection& section : doc.sections) {
        out += '[';
        AppendEscaped(out, section.name);
        out += "]\n";
        for (const LayoutEntry& entry : section.entries) {
            AppendEscaped(out, entry.key);
            for (const std::string& value : entry.values) {
                out += " [";
                AppendEscaped(out, value);
                out += ']';
            }
            out += '\n';
        }
    }
    return out;
}

}  // namespace skin
