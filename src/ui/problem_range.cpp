#include "ui/problem_range.h"

namespace orvanta::ui {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

/// [start, end) without the blanks at both ends.
LineRange trimmedRange(const QString& line, int start, int end)
{
    while (start < end && isBlank(line.at(start)))
        ++start;
    while (end > start && isBlank(line.at(end - 1)))
        --end;
    return {start, end};
}

}  // namespace

LineRange problemRange(const QString& line, int value)
{
    const int textEnd = line.contains(u';') ? static_cast<int>(line.indexOf(u';')) : static_cast<int>(line.size());
    const LineRange whole = trimmedRange(line, 0, textEnd);
    const int equals = static_cast<int>(line.left(textEnd).indexOf(u'='));
    if (value < 0 || equals < 0)
        return whole;
    int start = equals + 1;
    for (int i = 0; i < value; ++i) {
        const int comma = static_cast<int>(line.left(textEnd).indexOf(u',', start));
        if (comma < 0)
            return whole;
        start = comma + 1;
    }
    const int comma = static_cast<int>(line.left(textEnd).indexOf(u',', start));
    const LineRange found = trimmedRange(line, start, comma < 0 ? textEnd : comma);
    return found.start < found.end ? found : whole;
}

}  // namespace orvanta::ui
