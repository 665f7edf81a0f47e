#include "ui/details/setup/grid_clipboard.h"

#include <algorithm>

#include "ui/common/qt_text.h"

namespace {

const QString kQuote = QStringLiteral("\"");
const QString kDoubledQuote = QStringLiteral("\"\"");

bool IsLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

bool EndsField(const QString& text, qsizetype at) {
    return at == text.size() || text[at] == u'\t' || IsLineEnd(text[at]);
}

qsizetype LineEndLength(const QString& text, qsizetype at) {
    const bool crLf = text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n';
    return crLf ? 2 : 1;
}

QString QuotedForCopy(const QString& field) {
    if (!field.startsWith(kQuote) && !field.contains(u'\t')) {
        return field;
    }
    return kQuote + QString(field).replace(kQuote, kDoubledQuote) + kQuote;
}

// Where the quoted field opened at `open` ends, just past its closing quote, or -1 when no
// quote closes it.
qsizetype QuotedFieldEnd(const QString& text, qsizetype open) {
    for (qsizetype at = open + 1; at < text.size(); ++at) {
        if (text[at] != u'"') {
            continue;
        }
        if (EndsField(text, at + 1)) {
            return at + 1;
        }
        if (text[at + 1] == u'"') {
            ++at;
        }
    }
    return -1;
}

struct Field {
    QString text;
    qsizetype end = 0;
};

Field ReadField(const QString& text, qsizetype start) {
    if (start < text.size() && text[start] == u'"') {
        const qsizetype end = QuotedFieldEnd(text, start);
        if (end != -1) {
            const QString quoted = text.mid(start + 1, end - start - 2);
            return {QString(quoted).replace(kDoubledQuote, kQuote), end};
        }
    }
    qsizetype end = start;
    while (!EndsField(text, end)) {
        ++end;
    }
    return {text.mid(start, end - start), end};
}

bool Inside(GridCell cell, GridArea area) {
    return cell.row >= area.first.row && cell.row <= area.last.row &&
           cell.column >= area.first.column && cell.column <= area.last.column;
}

PasteRefusal RefusalFor(const QString& cellText) {
    if (std::any_of(cellText.cbegin(), cellText.cend(), IsLineEnd)) {
        return PasteRefusal::LineBreakInCell;
    }
    return FitsLatin1(cellText) ? PasteRefusal::None : PasteRefusal::NotLatin1;
}

// Rows of fields; an empty text has no rows.
QList<QStringList> SplitTabText(const QString& text) {
    QList<QStringList> rows;
    if (text.isEmpty()) {
        return rows;
    }
    rows.append(QStringList());
    qsizetype at = 0;
    for (;;) {
        const Field field = ReadField(text, at);
        rows.back().append(field.text);
        if (field.end == text.size()) {
            break;
        }
        if (text[field.end] == u'\t') {
            at = field.end + 1;
            continue;
        }
        at = field.end + LineEndLength(text, field.end);
        if (at == text.size()) {
            break;
        }
        rows.append(QStringList());
    }
    return rows;
}

}  // namespace

QString CopiedBlockText(const QList<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& field : row) {
            fields << QuotedForCopy(field);
        }
        text += fields.join(u'\t') + QStringLiteral("\r\n");
    }
    return text;
}

GridPaste PlacePastedBlock(const QString& text, GridCell at, GridArea editable) {
    GridPaste paste;
    const QList<QStringList> rows = SplitTabText(text);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        for (qsizetype c = 0; c < rows[r].size(); ++c) {
            const GridCell cell{at.row + static_cast<int>(r), at.column + static_cast<int>(c)};
            if (!Inside(cell, editable)) {
                continue;
            }
            paste.refusal = RefusalFor(rows[r][c]);
            if (paste.refusal != PasteRefusal::None) {
                paste.cells.clear();
                return paste;
            }
            paste.cells.append({cell, rows[r][c]});
        }
    }
    return paste;
}
