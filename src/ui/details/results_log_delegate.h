#pragma once

#include <QStyledItemDelegate>

// Draws the results log's rows: 25 pixels high whatever the text, the text on one line
// 2 pixels from the left and cut at the right edge, the selected row in the platform's
// selection colours and a dotted frame around the row with the keyboard focus.
class ResultsLogDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    static constexpr int kRowHeight = 25;
    static constexpr int kTextIndent = 2;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
