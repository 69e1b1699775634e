#pragma once

#include "compiler/level_commands.h"

#include <span>
#include <string>
#include <vector>

namespace orvanta {

/// Encodes the sections in the order given, the title first: a section's
/// place is its level number. Problems come in the sections' order. A long
/// script's sections are encoded on several threads.
std::vector<EncodedLevel> encodeLevels(std::span<const LevelSection* const> sections, const LanguageStrings& strings,
                                       const std::string& languageName, const std::string& file,
                                       std::vector<Problem>& problems);

}  // namespace orvanta
