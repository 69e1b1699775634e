#include "compiler/trng_commands.h"

#include "compiler/source_lines.h"

namespace orvanta {

namespace {

bool isDirective(std::string_view line, std::string_view word)
{
    return line.size() > word.size() && sameWord(line.substr(0, word.size()), word) &&
           (line[word.size()] == ' ' || line[word.size()] == '\t' || line[word.size()] == '"');
}

}  // namespace

bool isIncludeLine(std::string_view line) { return isDirective(line, "#INCLUDE"); }

bool isTrngDirective(std::string_view line) { return isDirective(line, "#DEFINE"); }

std::string_view includedFile(std::string_view line)
{
    std::string_view name = trimmed(line.substr(8));
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = name.substr(1, name.size() - 2);
    return name;
}

bool isTrngSection(std::string_view name) { return sameWord(name, "ExtraNG"); }

}  // namespace orvanta
