#include "model/level_data.h"

#include <algorithm>

namespace orvanta {

std::optional<LevelOption> optionForLetter(char letter)
{
    const auto* found = std::find_if(kOptionLetters.begin(), kOptionLetters.end(),
                                     [letter](const OptionLetter& o) { return o.letter == letter; });
    if (found == kOptionLetters.end())
        return std::nullopt;
    return found->option;
}

std::string encodeLevelData(LevelOptions options, std::string_view camera)
{
    std::string levelData = "*";
    for (const OptionLetter& entry : kOptionLetters) {
        if (options.has(entry.option))
            levelData += entry.letter;
    }
    levelData += ',';
    levelData += camera;
    return levelData;
}

DecodedLevelData decodeLevelData(std::string_view levelData)
{
    DecodedLevelData decoded;
    const auto comma = levelData.find(',');
    for (char c : levelData.substr(0, comma)) {
        if (const auto option = optionForLetter(c))
            decoded.options.set(*option);
    }
    if (comma != std::string_view::npos)
        decoded.camera = levelData.substr(comma + 1);
    return decoded;
}

bool passesIncludeTest(std::string_view levelData)
{
    if (levelData.empty())
        return false;
    return levelData[std::min<std::size_t>(levelData.size(), 2) - 1] == 'i';
}

}  // namespace orvanta
