#include "model/pack_names.h"

#include <array>
#include <stdexcept>

namespace orvanta {
namespace {

constexpr std::array<const char*, kPackCount> kPackNames{
    "Header Pack",  "Tut1 Pack", "Settomb Pack", "Karnak Pack",  "Coastal Pack", "Catacomb Pack",
    "Cleopal Pack", "City Pack", "Angkor Pack",  "Library Pack", "Guard Pack",   "Newcity Pack"};

void checkPackNumber(int packNumber)
{
    if (packNumber < 1 || packNumber > kPackCount)
        throw std::out_of_range("script pack number out of range");
}

}  // namespace

const char* packName(int packNumber)
{
    checkPackNumber(packNumber);
    return kPackNames[static_cast<std::size_t>(packNumber - 1)];
}

std::string packControl(int packNumber)
{
    checkPackNumber(packNumber);
    // Pack k belongs to level k - 1, held in Text(24 - (k - 1)); the header is Text24.
    return "Text" + std::to_string(packNumber == 1 ? 24 : 25 - packNumber);
}

}  // namespace orvanta
