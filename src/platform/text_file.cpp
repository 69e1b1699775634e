#include "platform/text_file.h"

#include "platform/file_replacement.h"
#include "platform/native_file.h"
#include "platform/replace_record.h"

#include <exception>
#include <optional>
#include <vector>

namespace orvanta {

std::optional<FileError> replaceFiles(std::span<const FileContents> files, const std::function<void()>& beforeNext,
                                      std::optional<std::string>* interrupted)
{
    // What an earlier, killed replacing left is cleared before anything is
    // staged, so that none of its names is taken for a file of this one.
    const std::filesystem::path folder =
        files.empty() ? std::filesystem::path() : files.front().location.host().parent_path();
    if (files.size() > 1 && !files.front().location.host().empty()) {
        std::optional<std::string> earlier = interruptedReplace(folder, true);
        if (interrupted != nullptr)
            *interrupted = std::move(earlier);
    }
    // Declared first so that it goes last: the hidden files are removed before it.
    std::optional<ReplaceRecord> record;
    std::vector<FileReplacement> staged;
    staged.reserve(files.size());
    for (const FileContents& file : files) {
        auto outcome = FileReplacement::stage(file.location, file.bytes);
        if (!outcome)
            return outcome.error();
        staged.push_back(std::move(outcome.value()));
    }
    if (staged.size() > 1) {
        std::vector<std::filesystem::path> targets;
        std::vector<std::filesystem::path> hidden;
        for (const FileReplacement& file : staged) {
            targets.push_back(file.target());
            for (const auto& name : file.hiddenFiles())
                hidden.push_back(name);
        }
        record.emplace(folder, targets, hidden);
    }
    for (std::size_t next = 0; next < staged.size(); ++next) {
        if (next > 0 && beforeNext)
            beforeNext();
        std::optional<FileError> error = staged[next].commit();
        if (!error)
            continue;
        for (std::size_t done = next; done-- > 0;) {
            if (const auto reason = staged[done].rollBack())
                error->message += "; " + staged[done].location().shown() +
                                  " was replaced all the same, as its old content could not be put back (" + *reason +
                                  ")";
        }
        return error;
    }
    return std::nullopt;
}

std::optional<FileError> replaceFile(const FileLocation& file, std::string_view bytes)
{
    const FileContents contents{file, bytes};
    return replaceFiles(std::span(&contents, 1));
}

FileOutcome<std::string> readFileBytes(const FileLocation& file)
{
    std::string bytes;
    native::Outcome outcome;
    try {
        outcome = native::readAll(file.host(), bytes, kMaxReadBytes);
    } catch (const std::exception&) {  // std::bad_alloc or std::length_error, from growing the buffer
        outcome = native::Failure{{}, "there is not enough memory to read it"};
    }
    if (outcome)
        return FileError{"Cannot read " + file.shown() + ": " + outcome->reason};
    return bytes;
}

}  // namespace orvanta
