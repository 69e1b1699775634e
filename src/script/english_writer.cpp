#include "script/english_writer.h"

#include "resources/stock_texts.h"

#include <array>
#include <variant>

namespace orvanta {
namespace {

/// One place of the level-name list after the title: a level's name, or a
/// stock name the game keeps.
using NamePlace = std::variant<int, const char*>;

constexpr std::array<NamePlace, 36> kNamePlaces{1,
                                                2,
                                                "Burial Chambers",
                                                "Valley Of The Kings",
                                                "KV5",
                                                3,
                                                "The Great Hypostyle Hall",
                                                "Empty Level Slot",
                                                8,
                                                10,
                                                8,
                                                "Desert Railroad",
                                                "Alexandria",
                                                4,
                                                "Pharos, Temple Of Isis",
                                                6,
                                                5,
                                                "Temple Of Poseidon",
                                                9,
                                                "Hall Of Demetrius",
                                                7,
                                                11,
                                                "Chambers Of Tulun",
                                                "Citadel Gate",
                                                "Street Bazaar",
                                                "Citadel",
                                                "The Sphinx Complex",
                                                "The Valley Temple",
                                                "Underneath The Sphinx",
                                                "Menkaure's Pyramid",
                                                "Inside Menkaure's Pyramid",
                                                "The Mastabas",
                                                "The Great Pyramid",
                                                "Khufu's Queens Pyramids",
                                                "Inside The Great Pyramid",
                                                "Temple Of Horus"};

}  // namespace

std::string englishText(const ProjectState& project, LineOrigins* origins)
{
    OriginText out(origins, resources::stockEnglish().size() + project.inventoryItems.size() + 1024);
    out.item(resources::englishHeader());
    out.item("[Strings]");
    out.item(project.secondLegend, {refer(project, Field::secondLegend())});
    out.item(project.firstLegend, {refer(project, Field::firstLegend())});
    out.item("");
    out.item(project.slot(1).levelName, {refer(project, Field::levelName(1))});
    for (const NamePlace& place : kNamePlaces) {
        if (const int* level = std::get_if<int>(&place))
            out.item(project.level(*level).levelName, {refer(project, Field::levelName(*level + 1))});
        else
            out.item(std::get<const char*>(place));
    }
    out.item(resources::englishMiddle());
    out.block(project.inventoryItems, refer(project, Field::inventoryItems()));
    out.item(resources::englishEnd());
    return out.take();
}

}  // namespace orvanta
