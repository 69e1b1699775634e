#include "importer/import_report.h"

#include "compiler/source_lines.h"

namespace orvanta {

std::string formatNote(const ImportNote& note)
{
    std::string place = note.file;
    if (note.line > 0)
        place += ":" + std::to_string(note.line);
    return visible(place + ": left out: " + note.what + ": " + note.why);
}

std::string formatReport(const std::vector<ImportNote>& notes)
{
    std::string text;
    for (const ImportNote& note : notes)
        text += formatNote(note) + "\n";
    return text;
}

}  // namespace orvanta
