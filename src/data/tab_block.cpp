#include "data/tab_block.h"

#include <optional>

#include "data/latin1_text.h"

namespace {

constexpr std::string_view kQuote = "\"";
constexpr std::string_view kLineEnds = "\r\n";

bool EndsField(std::string_view text, std::size_t at) {
    return at == text.size() || text[at] == '\t' || kLineEnds.find(text[at]) != kLineEnds.npos;
}

std::size_t LineEndLength(std::string_view text, std::size_t at) {
    const bool crLf = text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n';
    return crLf ? 2 : 1;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string replaced;
    std::size_t at = 0;
    for (std::size_t found = text.find(from); found != text.npos; found = text.find(from, at)) {
        replaced.append(text.substr(at, found - at)).append(to);
        at = found + from.size();
    }
    return replaced.append(text.substr(at));
}

std::string QuotedForCopy(const std::string& field) {
    if (!field.starts_with(kQuote) && field.find('\t') == field.npos) {
        return field;
    }
    return std::string(kQuote) + ReplaceAll(field, "\"", "\"\"") + std::string(kQuote);
}

// Where the quoted field opened at `open` ends, just past its closing quote, or nothing when
// no quote closes it.
std::optional<std::size_t> QuotedFieldEnd(std::string_view text, std::size_t open) {
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
    return std::nullopt;
}

struct Field {
    std::string text;
    std::size_t end = 0;
};

Field ReadField(std::string_view text, std::size_t start) {
    if (start < text.size() && text[start] == '"') {
        if (const std::optional<std::size_t> end = QuotedFieldEnd(text, start)) {
            const std::string_view quoted = text.substr(start + 1, *end - start - 2);
            return {ReplaceAll(quoted, "\"\"", "\""), *end};
        }
    }
    std::size_t end = start;
    while (!EndsField(text, end)) {
        ++end;
    }
    return {std::string(text.substr(start, end - start)), end};
}

bool Inside(BlockCell cell, BlockArea area) {
    return cell.row >= area.first.row && cell.row <= area.last.row &&
           cell.column >= area.first.column && cell.column <= area.last.column;
}

}  // namespace

BlockRows SplitTabText(std::string_view text) {
    BlockRows rows;
    if (text.empty()) {
        return rows;
    }
    rows.emplace_back();
    std::size_t at = 0;
    for (;;) {
        Field field = ReadField(text, at);
        rows.back().push_back(std::move(field.text));
        if (field.end == text.size()) {
            break;
        }
        if (text[field.end] == '\t') {
            at = field.end + 1;
            continue;
        }
        at = field.end + LineEndLength(text, field.end);
        if (at == text.size()) {
            break;
        }
        rows.emplace_back();
    }
    return rows;
}

std::string CopiedBlockText(const BlockRows& rows) {
    std::string text;
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            text += (i == 0 ? "" : "\t") + QuotedForCopy(row[i]);
        }
        text += "\r\n";
    }
    return text;
}

BlockPaste PlacePastedBlock(std::string_view utf8, BlockCell at, BlockArea editable) {
    BlockPaste paste;
    const BlockRows rows = SplitTabText(utf8);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const BlockCell cell{at.row + static_cast<int>(r), at.column + static_cast<int>(c)};
            if (!Inside(cell, editable)) {
                continue;
            }
            CellText text = CellTextOf(rows[r][c]);
            if (text.refusal != PasteRefusal::None) {
                return {text.refusal, {}};
            }
            paste.cells.push_back({cell, std::move(text.latin1)});
        }
    }
    return paste;
}

CellText CellTextOf(std::string_view utf8) {
    if (utf8.find_first_of(kLineEnds) != utf8.npos) {
        return {PasteRefusal::LineBreakInCell, {}};
    }
    std::optional<std::string> latin1 = Latin1FromUtf8(utf8);
    if (!latin1) {
        return {PasteRefusal::NotLatin1, {}};
    }
    return {PasteRefusal::None, std::move(*latin1)};
}

std::string_view PasteRefusalText(PasteRefusal refusal) {
    switch (refusal) {
        case PasteRefusal::LineBreakInCell:
            return "Nothing pasted: a cell of the block holds a line break.";
        case PasteRefusal::NotLatin1:
            return "Nothing pasted: the block holds characters the stats file cannot store.";
        case PasteRefusal::None:
            break;
    }
    return {};
}
