#include "script/line_diff.h"

#include <algorithm>
#include <cstdint>

namespace orvanta {
namespace {

std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

/// Beyond this many cells the middle of two texts counts as replaced whole:
/// the table would cost more than the diff is worth.
constexpr std::size_t kMostCells = std::size_t{16} << 20;

}  // namespace

std::vector<DiffHunk> lineDiff(std::string_view before, std::string_view after)
{
    const std::vector<std::string_view> a = linesOf(before);
    const std::vector<std::string_view> b = linesOf(after);
    // Lines alike at both ends need no table.
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    const std::size_t n = a.size() - head - tail;
    const std::size_t m = b.size() - head - tail;
    // common[i][j]: the longest common lines of a[head+i..] and b[head+j..].
    std::vector<std::uint32_t> common;
    if ((n + 1) * (m + 1) <= kMostCells) {
        common.assign((n + 1) * (m + 1), 0);
        for (std::size_t i = n; i-- > 0;) {
            for (std::size_t j = m; j-- > 0;) {
                common[i * (m + 1) + j] = a[head + i] == b[head + j]
                                              ? common[(i + 1) * (m + 1) + j + 1] + 1
                                              : std::max(common[(i + 1) * (m + 1) + j], common[i * (m + 1) + j + 1]);
            }
        }
    }
    const auto at = [&](std::size_t i, std::size_t j) { return common.empty() ? 0U : common[i * (m + 1) + j]; };
    std::vector<DiffHunk> hunks;
    DiffHunk open{0, 0, {}, {}};
    const auto close = [&] {
        if (!open.removed.empty() || !open.added.empty())
            hunks.push_back(open);
        open = {0, 0, {}, {}};
    };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[head + i] == b[head + j] && !common.empty()) {
            close();
            ++i;
            ++j;
            continue;
        }
        if (open.removed.empty() && open.added.empty()) {
            open.oldLine = static_cast<int>(head + i + 1);
            open.newLine = static_cast<int>(head + j + 1);
        }
        if (i < n && (j == m || at(i + 1, j) >= at(i, j + 1)))
            open.removed.push_back(a[head + i++]);
        else
            open.added.push_back(b[head + j++]);
    }
    close();
    return hunks;
}

}  // namespace orvanta
