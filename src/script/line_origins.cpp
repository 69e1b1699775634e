#include "script/line_origins.h"

#include "platform/text_lines.h"

#include <algorithm>

namespace orvanta {
namespace {

/// The lines a text fills: one more than its LFs, as the script compiler
/// splits lines. find() scans a pack of megabytes far faster than a loop over
/// its bytes.
int lineCount(std::string_view text)
{
    int lines = 1;
    for (auto lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n', lf + 1))
        ++lines;
    return lines;
}

}  // namespace

std::vector<FieldRef> LineOrigins::at(int line) const
{
    const auto after =
        std::upper_bound(runs_.begin(), runs_.end(), line, [](int l, const Run& run) { return l < run.firstLine; });
    if (after == runs_.begin())
        return {};
    const Run& run = *std::prev(after);
    if (line >= run.firstLine + run.lineCount)
        return {};
    std::vector<FieldRef> fields = run.fields;
    if (run.numbered)
        fields.front().line = line - run.firstLine + 1;
    return fields;
}

OriginText::OriginText(LineOrigins* origins, std::size_t reserve) : origins_(origins) { out_.reserve(reserve); }

void OriginText::item(std::string_view text)
{
    appendLine(out_, text);
    if (origins_ != nullptr)
        nextLine_ += lineCount(text);
}

void OriginText::item(std::string_view text, std::vector<FieldRef> fields) { note(text, std::move(fields), false); }

void OriginText::block(std::string_view text, FieldRef field) { note(text, {std::move(field)}, true); }

void OriginText::note(std::string_view text, std::vector<FieldRef> fields, bool numbered)
{
    appendLine(out_, text);
    if (origins_ == nullptr)
        return;
    const int lines = lineCount(text);
    origins_->add({nextLine_, lines, std::move(fields), numbered});
    nextLine_ += lines;
}

}  // namespace orvanta
