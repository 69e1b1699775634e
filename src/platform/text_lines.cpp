#include "platform/text_lines.h"

namespace orvanta {

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lf = text.find('\n', start);
        if (lf == std::string_view::npos) {
            // A last line cut short between CR and LF keeps no CR.
            std::string_view last = text.substr(start);
            if (last.ends_with('\r'))
                last.remove_suffix(1);
            lines.push_back(last);
            break;
        }
        std::size_t end = lf;
        if (end > start && text[end - 1] == '\r')
            --end;
        lines.push_back(text.substr(start, end - start));
        start = lf + 1;
    }
    return lines;
}

}  // namespace orvanta
