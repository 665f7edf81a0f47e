#include "ui/details/results_log_delegate.h"

#include <QPainter>

void ResultsLogDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    // The selection keeps its colour when the list loses the focus.
    const QPalette& palette = option.palette;
    const QColor fill = selected ? palette.color(QPalette::Active, QPalette::Highlight)
                                 : palette.color(QPalette::Base);
    const QColor ink = selected ? palette.color(QPalette::Active, QPalette::HighlightedText)
                                : palette.color(QPalette::Text);
    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(option.rect, fill);
    painter->setFont(option.font);
    painter->setPen(ink);
    const QRect textArea = option.rect.adjusted(kTextIndent, 0, 0, 0);
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        painter->setPen(QPen(ink, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

// No width of its own: a row is as wide as the list, so a long entry never scrolls.
QSize ResultsLogDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {0, kRowHeight};
}
