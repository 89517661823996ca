#include "layout_check.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

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

bool NeedsEscape(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F || c == '\\';
}

// Control characters as \r, \t or \xHH, and the backslash doubled, so that
// layout text always shows as one line of printable characters.
void AppendEscaped(std::string& out, std::string_view text) {
    for (auto next = text.begin(); next != text.end();) {
        const auto escape = std::find_if(next, text.end(), NeedsEscape);
        out.append(next, escape);
        if (escape == text.end()) {
            break;
        }
        if (*escape == '\r') {
            out += "\\r";
        } else if (*escape == '\t') {
            out += "\\t";
        } else if (*escape == '\\') {
            out += "\\\\";
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(*escape));
            out += hex;
        }
        next = escape + 1;
    }
}

// A piece of a message taken from the layout text.
struct FromLayout {
    std::string_view text;
};

void Append(std::string& out, std::string_view piece) {
    out.append(piece);
}

void Append(std::string& out, FromLayout piece) {
    AppendEscaped(out, piece.text);
}

void Append(std::string& out, int number) {
    out += std::to_string(number);
}

template <typename... Pieces>
std::string Message(const Pieces&... pieces) {
    std::string text;
    (Append(text, pieces), ...);
    return text;
}

class Checker {
public:
    Checker(const LayoutDoc& doc, const LineReport& report)
        : doc_(doc), report_(report), sectionUses_(doc.Sections().size()) {}

    void Run() {
        const LayoutSection* layout = doc_.Section("Layout");
        if (layout == nullptr) {
            report_(0, "missing [Layout] section");
            return;
        }
        int badLine = 0;
        const auto panels = ReadPanelList(*layout, &badLine);
        if (!panels) {
            report_(badLine, "[Layout] entry without a section name");
            return;
        }
        if (panels->empty()) {
            report_(layout->line, "layout has no panels");
        }
        for (const PanelDecl& panel : *panels) {
            CheckPanel(panel);
        }
        const LayoutSection* config = doc_.Section("Config");
        const auto configs = ReadPanelConfigs(config, *panels, &badLine);
        if (!configs) {
            report_(badLine, "bad [Config] entry: a key or panel id reads as 0");
        } else if (configs->empty()) {
            report_(config->line, "[Config] lists no configuration");
        }
    }

private:
    // The first panel built from a section, and whether the section has
    // element lines (whose ids a second panel would repeat).
    struct SectionUse {
        int panelId = 0;
        bool hasElements = false;
    };

    void CheckPanel(const PanelDecl& panel) {
        const LayoutSection* section = doc_.Section(panel.section);
        if (section == nullptr) {
            report_(panel.line,
                    Message("panel ", panel.id, ": no section [", FromLayout{panel.section}, "]"));
            return;
        }
        SectionUse& use = sectionUses_[static_cast<std::size_t>(section - doc_.Sections().data())];
        if (use.panelId == 0) {
            use = {panel.id, CheckSection(*section, panel.line)};
        } else if (use.hasElements) {
            report_(panel.line,
                    Message("panel ", panel.id, ": section [", FromLayout{section->name},
                            "] is also panel ", use.panelId, ", so its element ids repeat"));
        }
    }

    // Checks a panel's section; true when it has element lines.
    bool CheckSection(const LayoutSection& section, int panelLine) {
        CheckPanelSize(section, panelLine);
        bool hasElements = false;
        bool haveDropDown = false;
        bool haveTabStrip = false;
        for (const LayoutEntry& entry : section.entries) {
            if (EqualsIgnoringCase(entry.Key(), kBackgroundKey) ||
                EqualsIgnoringCase(entry.Key(), kSizeKey)) {
                continue;
            }
            if (entry.Key() == kControlSetKey) {
                haveDropDown = haveTabStrip = false;
                continue;
            }
            if (entry.Values().empty()) {
                report_(entry.Line(), "line without '=' is ignored");
                continue;
            }
            const int id = ReadNumber(entry.Key());
            if (id == 0) {
                report_(entry.Line(), Message("key '", FromLayout{entry.Key()},
                                              "' is not an element id; ignored"));
                continue;
            }
            hasElements = true;
            const ElementTypeInfo* type = CheckElement(entry, id);
            if (type == nullptr) {
                continue;
            }
            if (type->type == ElementType::DIDropDown) {
                haveDropDown = true;
            } else if (type->type == ElementType::DITabCtl) {
                haveTabStrip = true;
            } else if (type->type == ElementType::DropDownItem && !haveDropDown) {
                report_(entry.Line(),
                        "DropDownItem without a DIDropDown before it in its control set");
            } else if (type->type == ElementType::TabItem && !haveTabStrip) {
                report_(entry.Line(), "TabItem without a DITabCtl before it in its control set");
            }
        }
        return hasElements;
    }

    void CheckPanelSize(const LayoutSection& section, int panelLine) {
        const LayoutEntry* background = section.Entry(kBackgroundKey);
        if (background != nullptr && !background->Values().empty()) {
            if (background->Value(0).empty()) {
                report_(background->Line(), "empty background bitmap");
            }
            return;
        }
        const LayoutEntry* size = section.Entry(kSizeKey);
        if (size == nullptr || size->Values().size() < 2) {
            report_(panelLine, Message("panel [", FromLayout{section.name},
                                       "] has neither a background nor a size"));
            return;
        }
        if (!IsUsablePanelSize({ReadNumber(size->Value(0)), ReadNumber(size->Value(1))})) {
            report_(size->Line(), "panel size must be 0 to 32767 on each side, not both 0");
        }
    }

    // The element's type when the loader would build it.
    const ElementTypeInfo* CheckElement(const LayoutEntry& entry, int id) {
        CheckUnique(id, entry.Line());
        const ElementTypeInfo* type = FindElementType(entry.Value(0));
        if (type == nullptr) {
            report_(entry.Line(),
                    Message("unknown element type '", FromLayout{entry.Value(0)}, "'"));
            return nullptr;
        }
        if (entry.Values().size() < type->minValues) {
            report_(entry.Line(),
                    Message(type->name, " needs ", static_cast<int>(type->minValues),
                            " values, has ", static_cast<int>(entry.Values().size())));
            return nullptr;
        }
        const FieldPlaces places = PlacesOf(type->type, entry.Values().size());
        for (std::size_t i : places.colours) {
            if (!entry.Value(i).empty() && !IsWellFormedColour(entry.Value(i))) {
                report_(entry.Line(),
                        Message("bad colour '", FromLayout{entry.Value(i)}, "' (want #RRGGBB)"));
            }
        }
        if (places.face != 0 && entry.Value(places.face).size() > kMaxFaceLength) {
            report_(entry.Line(), "font face longer than 31 characters");
        }
        return type;
    }

    void CheckUnique(int id, int line) {
        // The id itself is the hash, so an equal hash is the same id, and
        // what the index keeps for it is its first line.
        const auto first = static_cast<int>(
            firstLines_.FindOrAdd(static_cast<std::uint32_t>(id), static_cast<std::uint32_t>(line),
                                  [](std::uint32_t) { return true; }));
        if (first != line) {
            report_(line, Message("element id ", id, " already used on line ", first));
        }
    }

    const LayoutDoc& doc_;
    const LineReport& report_;
    std::vector<SectionUse> sectionUses_;  // by section index
    FlatIndex firstLines_;                 // of the element ids, by id
};

}  // namespace

void CheckLayout(const LayoutDoc& doc, const LineReport& report) {
    Checker(doc, report).Run();
}

void DumpLayout(const LayoutDoc& doc, const std::function<void(std::string_view line)>& write) {
    std::string line;
    for (const LayoutSection& section : doc.Sections()) {
        write(Message("[", FromLayout{section.name}, "]"));
        for (const LayoutEntry& entry : section.entries) {
            line.clear();
            AppendEscaped(line, entry.Key());
            for (const std::string_view value : entry.Values()) {
                line += " [";
                AppendEscaped(line, value);
                line += ']';
            }
            write(line);
        }
    }
}

}  // namespace skin
