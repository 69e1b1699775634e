#include "resources/stock_texts.h"

#include <array>
#include <stdexcept>

namespace orvanta::resources {
namespace embedded {
extern const std::string_view script_header;
extern const std::string_view inventory_items;
extern const std::string_view english_header;
extern const std::string_view english_middle;
extern const std::string_view english_end;
extern const std::string_view stock_script;
extern const std::string_view stock_english;
extern const std::string_view pack_tut1;
extern const std::string_view pack_settomb;
extern const std::string_view pack_karnak;
extern const std::string_view pack_coastal;
extern const std::string_view pack_catacomb;
extern const std::string_view pack_cleopal;
extern const std::string_view pack_city;
extern const std::string_view pack_angkor;
extern const std::string_view pack_library;
extern const std::string_view pack_guard;
}  // namespace embedded

std::string_view scriptHeader() { return embedded::script_header; }
std::string_view inventoryItems() { return embedded::inventory_items; }
std::string_view englishHeader() { return embedded::english_header; }
std::string_view englishMiddle() { return embedded::english_middle; }
std::string_view englishEnd() { return embedded::english_end; }
std::string_view stockScript() { return embedded::stock_script; }
std::string_view stockEnglish() { return embedded::stock_english; }

std::string_view defaultLevelPack(int level)
{
    // New City (level 11) starts from the City Of The Dead pack.
    const std::array<const std::string_view*, 11> packs{
        &embedded::pack_tut1,     &embedded::pack_settomb, &embedded::pack_karnak, &embedded::pack_coastal,
        &embedded::pack_catacomb, &embedded::pack_cleopal, &embedded::pack_city,   &embedded::pack_angkor,
        &embedded::pack_library,  &embedded::pack_guard,   &embedded::pack_city};
    if (level < 1 || level > 11)
        throw std::out_of_range("level number out of range");
    return *packs[static_cast<std::size_t>(level - 1)];
}

}  // namespace orvanta::resources
