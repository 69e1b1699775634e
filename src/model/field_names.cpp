#include "model/field_names.h"

#include "resources/stock_texts.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace orvanta {
namespace {

using Accessor = std::function<std::string&(ProjectState&)>;
using FieldTable = std::vector<std::pair<std::string, Accessor>>;

void addSlotFields(FieldTable& table)
{
    const auto slotField = [&table](const std::string& prefix, std::string LevelSlot::*member) {
        for (int k = 1; k <= kSlotCount; ++k)
            table.emplace_back(prefix + std::to_string(k),
                               [k, member](ProjectState& p) -> std::string& { return p.slot(k).*member; });
    };
    slotField("Combo", &LevelSlot::wadName);
    slotField("sound", &LevelSlot::audioTrack);
    slotField("Label", &LevelSlot::cameraLabel);
    slotField("data", &LevelSlot::levelData);
}

void addTextBoxFields(FieldTable& table)
{
    // Text1..Text11 are the level names of levels 1..11, Text12 the title's name,
    // and Text13..Text23 the packs of levels 11 down to 1.
    for (int n = 1; n <= kLevelCount; ++n)
        table.emplace_back("Text" + std::to_string(n),
                           [n](ProjectState& p) -> std::string& { return p.level(n).levelName; });
    table.emplace_back("Text12", [](ProjectState& p) -> std::string& { return p.slot(1).levelName; });
    for (int box = 13; box <= 23; ++box)
        table.emplace_back("Text" + std::to_string(box),
                           [box](ProjectState& p) -> std::string& { return p.level(24 - box).scriptPack; });
    const std::array<std::pair<const char*, std::string ProjectState::*>, 7> others{{
        {"Text24", &ProjectState::scriptHeader},
        {"Text25", &ProjectState::inventoryItems},
        {"Text26", &ProjectState::firstLegend},
        {"Text27", &ProjectState::secondLegend},
        {"Text28", &ProjectState::scriptFolder},
        {"Text29", &ProjectState::easylifeLocation},
        {"Text30", &ProjectState::compileToFolder},
    }};
    for (const auto& entry : others) {
        std::string ProjectState::*member = entry.second;
        table.emplace_back(entry.first, [member](ProjectState& p) -> std::string& { return p.*member; });
    }
}

void addGameFields(FieldTable& table)
{
    for (int n = 1; n <= kSwitchCount; ++n)
        table.emplace_back("switch" + std::to_string(n),
                           [n](ProjectState& p) -> std::string& { return p.gameSwitch(n); });
    table.emplace_back("inputtimeout", [](ProjectState& p) -> std::string& { return p.inputTimeout; });
    table.emplace_back("security", [](ProjectState& p) -> std::string& { return p.security; });
}

const FieldTable& fieldTable()
{
    static const FieldTable table = [] {
        FieldTable t;
        addTextBoxFields(t);
        addSlotFields(t);
        addGameFields(t);
        return t;
    }();
    return table;
}

}  // namespace

std::string* findField(ProjectState& project, std::string_view controlName)
{
    const FieldTable& table = fieldTable();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [controlName](const auto& entry) { return entry.first == controlName; });
    return found == table.end() ? nullptr : &found->second(project);
}

const std::string* findField(const ProjectState& project, std::string_view controlName)
{
    // The accessors only hand out a reference; nothing is written through it here.
    return findField(const_cast<ProjectState&>(project), controlName);
}

bool holdsLines(std::string_view controlName)
{
    for (int box = 13; box <= 25; ++box) {
        if (controlName == "Text" + std::to_string(box))
            return true;
    }
    return false;
}

const std::vector<std::string>& fieldNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const auto& entry : fieldTable())
            all.push_back(entry.first);
        return all;
    }();
    return names;
}

std::optional<std::string_view> findFixedText(std::string_view controlName)
{
    const std::array<std::pair<std::string_view, std::string_view (*)()>, 5> blocks{{
        {"engheader", &resources::englishHeader},
        {"engmiddler", &resources::englishMiddle},
        {"engender", &resources::englishEnd},
        {"scriptbox", &resources::stockScript},
        {"englishbox", &resources::stockEnglish},
    }};
    for (const auto& [name, text] : blocks) {
        if (name == controlName)
            return text();
    }
    return std::nullopt;
}

}  // namespace orvanta
