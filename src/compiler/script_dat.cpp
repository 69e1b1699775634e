#include "compiler/script_dat.h"

#include "compiler/source_lines.h"

#include <algorithm>
#include <map>

namespace orvanta {
namespace {

constexpr std::size_t kHeaderBytes = 56;
constexpr std::size_t kExtensionBytes = 5;

std::string hexByte(std::uint8_t value)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    return std::string("$") + kDigits[value >> 4U] + kDigits[value & 15U];
}

bool isDatName(std::string_view name) { return name.size() > 4 && sameWord(name.substr(name.size() - 4), ".DAT"); }

/// The game's reading of one block: `data` ends where the block does.
class BlockReader {
public:
    BlockReader(std::string_view data, std::size_t at) : reader_(data, at)
    {
        block_.at = at;
        block_.end = data.size();
    }

    DatLevelBlock read()
    {
        while (!reader_.atEnd() && block_.fault.empty()) {
            const std::size_t at = reader_.at();
            const auto code = static_cast<std::uint8_t>(*reader_.u(1));
            if (code == kEndOpcode) {
                block_.ended = true;
                break;
            }
            if (code == kLevelOpcode || code == kTitleOpcode)
                start(at, code);
            else
                command(at, code);
        }
        if (!block_.ended && block_.fault.empty())
            block_.fault = "the block ends without its End opcode";
        return std::move(block_);
    }

private:
    void start(std::size_t at, std::uint8_t code)
    {
        if (block_.start) {
            block_.fault = "a second " + std::string(code == kTitleOpcode ? "Title" : "Level") + " opcode at byte " +
                           std::to_string(at);
            return;
        }
        DatLevelStart start{at, code == kTitleOpcode};
        const auto name = start.title ? std::optional<std::uint32_t>(0) : reader_.u(1);
        const auto options = reader_.u(2);
        const auto file = reader_.u(1);
        const auto audio = reader_.u(1);
        if (!audio) {
            block_.fault = std::string(start.title ? "the Title" : "the Level") + " opcode at byte " +
                           std::to_string(at) + " ends early";
            return;
        }
        start.nameString = *name;
        start.options = static_cast<std::uint16_t>(*options);
        start.fileIndex = *file;
        start.audio = *audio;
        block_.start = start;
    }

    void command(std::size_t at, std::uint8_t code)
    {
        const auto meaning = commandForOpcode(code);
        if (!meaning) {
            block_.fault = "unknown opcode " + hexByte(code) + " at byte " + std::to_string(at);
            return;
        }
        auto values = readOperands(reader_, *meaning->command);
        if (!values) {
            block_.fault =
                "the " + std::string(meaning->command->name) + " opcode at byte " + std::to_string(at) + " ends early";
            return;
        }
        (block_.start ? block_.unread : block_.applied).push_back({at, *meaning, std::move(*values)});
    }

    ByteReader reader_;
    DatLevelBlock block_;
};

/// Where each block ends: at the next block that begins after it, or at the
/// end of the level data. Blocks never overlap, so no byte is read twice.
std::vector<std::size_t> blockEnds(const std::vector<std::size_t>& starts, std::size_t dataEnd)
{
    std::vector<std::size_t> sorted = starts;
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::size_t> ends;
    for (const std::size_t start : starts) {
        const auto next = std::upper_bound(sorted.begin(), sorted.end(), start);
        ends.push_back(next == sorted.end() ? dataEnd : std::min(*next, dataEnd));
    }
    return ends;
}

void readLanguageNames(std::string_view bytes, std::size_t at, ScriptDat& dat)
{
    while (at < bytes.size()) {
        ByteReader reader(bytes, at);
        const std::string_view name = reader.text(bytes.size());
        if (!isDatName(name))
            break;
        dat.languageFiles.emplace_back(name);
        at = std::min(reader.at(), bytes.size());
    }
    dat.extraData = bytes.substr(std::min(at, bytes.size()));
}

}  // namespace

bool ScriptDat::readWhole() const
{
    if (!fault.empty())
        return false;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const DatLevelBlock& block = levels[levels[i].sameAs.value_or(i)];
        if (!block.start || block.start->title != (i == 0) || !block.unread.empty() || !block.ended ||
            !block.fault.empty())
            return false;
    }
    return true;
}

ScriptDat readScriptDat(std::string_view bytes)
{
    ScriptDat dat;
    ByteReader reader(bytes);
    if (bytes.size() < kHeaderBytes) {
        dat.fault = "too short for the 56-byte header";
        return dat;
    }
    dat.options = static_cast<std::uint8_t>(*reader.u(1));
    reader.u(3);
    dat.inputTimeout = *reader.u(4);
    dat.security = static_cast<std::uint8_t>(*reader.u(1));
    dat.levelCount = *reader.u(1);
    dat.fileNameCount = *reader.u(1);
    reader.u(1);
    dat.fileNameBytes = *reader.u(2);
    dat.levelDataBytes = *reader.u(2);
    for (auto& platform : dat.extensions) {
        for (std::string& extension : platform) {
            extension = ByteReader(bytes, reader.at()).text(reader.at() + kExtensionBytes);
            reader.u(kExtensionBytes);
        }
        reader.u(kExtensionBytes);  // the unused fourth extension
    }

    const std::size_t namesAt = kHeaderBytes + 2 * dat.fileNameCount;
    const std::size_t dataOffsetsAt = namesAt + dat.fileNameBytes;
    const std::size_t dataAt = dataOffsetsAt + 2 * dat.levelCount;
    const std::size_t dataEnd = dataAt + dat.levelDataBytes;
    if (dataEnd > bytes.size()) {
        dat.fault = "the tables and the level data run past the end of the file (" + std::to_string(dataEnd) +
                    " bytes of " + std::to_string(bytes.size()) + ")";
        return dat;
    }
    ByteReader nameOffsets(bytes, kHeaderBytes);
    for (std::size_t i = 0; i < dat.fileNameCount; ++i)
        dat.levelFiles.emplace_back(ByteReader(bytes, namesAt + *nameOffsets.u(2)).text(dataOffsetsAt));

    ByteReader dataOffsets(bytes, dataOffsetsAt);
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < dat.levelCount; ++i)
        starts.push_back(dataAt + *dataOffsets.u(2));
    const std::vector<std::size_t> ends = blockEnds(starts, dataEnd);
    std::map<std::size_t, std::size_t> firstAt;  // block start -> the first level that begins there
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const auto [first, added] = firstAt.try_emplace(starts[i], i);
        if (!added) {
            DatLevelBlock& shared = dat.levels.emplace_back();
            shared.at = starts[i];
            shared.end = ends[i];
            shared.sameAs = first->second;
        } else if (starts[i] >= dataEnd) {
            DatLevelBlock& outside = dat.levels.emplace_back();
            outside.at = outside.end = starts[i];
            outside.fault = "the block begins at or past the end of the level data";
        } else {
            dat.levels.push_back(BlockReader(bytes.substr(0, ends[i]), starts[i]).read());
        }
    }
    readLanguageNames(bytes, dataEnd, dat);
    return dat;
}

bool isTrngData(std::string_view extraData) { return extraData.starts_with("NG"); }

}  // namespace orvanta
