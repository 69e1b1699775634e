// Any level data string decodes; encoding the result and decoding again gives
// the same options and camera text, and the encoded string passes the include
// test exactly when "Include in Script" is set.
#include "model/level_data.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvanta;
    const std::string_view levelData(reinterpret_cast<const char*>(data), size);
    (void)passesIncludeTest(levelData);
    const DecodedLevelData decoded = decodeLevelData(levelData);
    const std::string encoded = encodeLevelData(decoded.options, decoded.camera);
    if (!(decodeLevelData(encoded) == decoded) ||
        passesIncludeTest(encoded) != decoded.options.has(LevelOption::IncludeInScript))
        std::abort();
    return 0;
}
