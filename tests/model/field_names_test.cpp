#include "model/field_names.h"
#include "resources/stock_texts.h"

#include <gtest/gtest.h>
#include <set>

namespace orvanta {
namespace {

TEST(FieldNames, NameTheFieldOfEachControlOnce)
{
    ProjectState p = ProjectState::withDefaults();
    const std::pair<const char*, const std::string*> cases[] = {{"Text12", &p.slot(1).levelName},
                                                                {"Text1", &p.level(1).levelName},
                                                                {"Text11", &p.level(11).levelName},
                                                                {"Text23", &p.level(1).scriptPack},
                                                                {"Text13", &p.level(11).scriptPack},
                                                                {"Text24", &p.scriptHeader},
                                                                {"Text25", &p.inventoryItems},
                                                                {"Text26", &p.firstLegend},
                                                                {"Text27", &p.secondLegend},
                                                                {"Text28", &p.scriptFolder},
                                                                {"Text29", &p.easylifeLocation},
                                                                {"Text30", &p.compileToFolder},
                                                                {"Combo1", &p.slot(1).wadName},
                                                                {"sound12", &p.slot(12).audioTrack},
                                                                {"Label9", &p.slot(9).cameraLabel},
                                                                {"data2", &p.slot(2).levelData},
                                                                {"switch1", &p.switches[0]},
                                                                {"switch5", &p.switches[4]},
                                                                {"inputtimeout", &p.inputTimeout},
                                                                {"security", &p.security},
                                                                {"text1", nullptr},
                                                                {"Combo13", nullptr}};
    for (const auto& [name, field] : cases)
        EXPECT_EQ(findField(p, name), field) << name;
    std::set<const std::string*> fields;
    for (const std::string& name : fieldNames())
        fields.insert(findField(p, name));
    EXPECT_EQ(fields.size(), 30U + 4 * 12 + 5 + 2);
    EXPECT_EQ(fieldNames().size(), fields.size());
    EXPECT_EQ(findFixedText("engender"), resources::englishEnd());
    EXPECT_FALSE(findFixedText("Text1"));
}

}  // namespace
}  // namespace orvanta
