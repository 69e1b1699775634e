#pragma once

#include <string_view>

namespace orvanta {

/// Whether a key is one of the commands TRNG adds to Script.txt, which its
/// own tool builds into a block of SCRIPT.DAT that this compiler cannot write.
bool isTrngCommand(std::string_view key);

/// Whether a line is TRNG's "#INCLUDE "FILE"", which reads a file beside the
/// script in its place.
bool isIncludeLine(std::string_view line);

/// Whether a line is one of TRNG's other directives ("#DEFINE NAME VALUE").
bool isTrngDirective(std::string_view line);

/// Whether a line goes on in the next one: TRNG splits a long command
/// with a ">" at the end of a line.
inline bool goesOn(std::string_view line) { return line.ends_with('>'); }

/// The file an #INCLUDE line names, without its quotes.
std::string_view includedFile(std::string_view line);

/// Whether a section is one TRNG adds ([ExtraNG]).
bool isTrngSection(std::string_view name);

}  // namespace orvanta
