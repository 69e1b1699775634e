#pragma once

#include "compiler/level_encoder.h"

#include <span>
#include <string>
#include <vector>

namespace orvanta {

/// Encodes the sections in the order given; problems come in the sections'
/// order. A long script's sections are encoded on several threads.
std::vector<EncodedLevel> encodeLevels(std::span<const LevelSection* const> sections, const LanguageStrings& strings,
                                       const std::string& languageName, const ProblemReporter& report);

}  // namespace orvanta
