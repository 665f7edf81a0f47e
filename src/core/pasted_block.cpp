#include "core/pasted_block.h"

#include <utility>

namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

bool EndsField(std::string_view text, std::size_t at) {
    return at == text.size() || text[at] == '\t' || IsLineEnd(text[at]);
}

// Just past the quote that closes the field opened at `open`, or npos when none closes it.
std::size_t QuotedFieldEnd(std::string_view text, std::size_t open) {
    for (std::size_t at = open + 1; at < text.size(); ++at) {
        if (text[at] != '"') {
            continue;
        }
        if (EndsField(text, at + 1)) {
            return at + 1;
        }
        if (text[at + 1] == '"') {
            ++at;
        }
    }
    return std::string_view::npos;
}

std::string Unquoted(std::string_view quoted) {
    std::string field;
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        field += quoted[i];
        i += quoted[i] == '"' ? 1 : 0;
    }
    return field;
}

// The field starting at `start` and where it ends.
std::pair<std::string, std::size_t> ReadField(std::string_view text, std::size_t start) {
    if (start < text.size() && text[start] == '"') {
        const std::size_t end = QuotedFieldEnd(text, start);
        if (end != std::string_view::npos) {
            return {Unquoted(text.substr(start + 1, end - start - 2)), end};
        }
    }
    std::size_t end = start;
    while (!EndsField(text, end)) {
        ++end;
    }
    return {std::string(text.substr(start, end - start)), end};
}

using Block = std::vector<std::vector<std::string>>;

// The first refusal, or Stored once every cell of the block that is not fixed took its text.
CellEdit PasteInto(ProgramState& state, const Block& rows, std::size_t row, std::size_t column) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const CellEdit edit = EditStatsCell(state, row + r, column + c, rows[r][c]);
            if (edit == CellEdit::LineBreak || edit == CellEdit::NotLatin1) {
                return edit;
            }
        }
    }
    return CellEdit::Stored;
}

}  // namespace

Block SplitTabBlock(std::string_view text) {
    Block rows;
    std::size_t at = 0;
    while (at < text.size()) {
        rows.emplace_back();
        for (;;) {
            auto [field, end] = ReadField(text, at);
            rows.back().push_back(std::move(field));
            at = end + 1;
            if (end == text.size() || text[end] != '\t') {
                break;
            }
        }
        if (at < text.size() && text[at - 1] == '\r' && text[at] == '\n') {
            ++at;
        }
    }
    return rows;
}

// A trial on a copy first, so that a refused block leaves the state untouched.
CellEdit PasteStatsBlock(ProgramState& state, std::size_t row, std::size_t column,
                         std::string_view utf8Block) {
    const Block rows = SplitTabBlock(utf8Block);
    ProgramState trial = state;
    DetachEveryFrontend(trial);
    const CellEdit tried = PasteInto(trial, rows, row, column);
    return tried == CellEdit::Stored ? PasteInto(state, rows, row, column) : tried;
}
