#pragma once

#include "model/field_ref.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

/// Where the lines of a written file came from: runs of lines, each showing
/// one or more fields of the project. Lines that no field wrote (keys, section
/// headers, stock texts) have no origin.
class LineOrigins {
public:
    struct Run {
        int firstLine;  ///< 1-based, as an editor counts
        int lineCount;
        std::vector<FieldRef> fields;  ///< one field, or one per comma-separated value
        bool numbered;                 ///< a multi-line field: line k of the run is line k of the field
    };

    void add(Run run) { runs_.push_back(std::move(run)); }
    /// The fields that wrote a line (empty if none), with the field's own line
    /// number set for a multi-line field.
    std::vector<FieldRef> at(int line) const;
    const std::vector<Run>& runs() const { return runs_; }

private:
    std::vector<Run> runs_;  // in line order
};

/// The bytes of a file being written, item by item: each item is followed by
/// CR LF. With a LineOrigins to fill, it notes which field wrote which line.
class OriginText {
public:
    explicit OriginText(LineOrigins* origins, std::size_t reserve = 0);

    /// A fixed text.
    void item(std::string_view text);
    /// A line built around single-line fields: one field, or one per value.
    void item(std::string_view text, std::vector<FieldRef> fields);
    /// A multi-line field written whole.
    void block(std::string_view text, FieldRef field);

    std::string take() { return std::move(out_); }

private:
    void note(std::string_view text, std::vector<FieldRef> fields, bool numbered);

    std::string out_;
    LineOrigins* origins_;
    int nextLine_ = 1;
};

}  // namespace orvanta
