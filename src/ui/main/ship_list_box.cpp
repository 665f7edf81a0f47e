#include "ui/main/ship_list_box.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace {

constexpr int kVisibleItems = 13;
constexpr int kItemHeight = 14;

class FixedRowHeightDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight};
    }
};

// Opening the list or a menu, or switching windows, does not move the focus within the
// window, so it neither enters nor leaves the list.
bool MovesFocusWithinWindow(Qt::FocusReason reason) {
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

}  // namespace

ShipListBox::ShipListBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setFrame(false);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(kVisibleItems);
    setItemDelegate(new FixedRowHeightDelegate(this));
    lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    view()->parentWidget()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this] { emit userChanged(); });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        SelectByTypedText(text);
        emit userChanged();
    });
}

void ShipListBox::showPopup() {
    emit droppedDown();
    QComboBox::showPopup();
}

// Typing into a list that just took the focus searches afresh, as the whole text is
// selected.
void ShipListBox::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    if (MovesFocusWithinWindow(event->reason())) {
        lineEdit()->selectAll();
        emit entered();
    }
}

// The open drop-down takes the focus into itself, which does not leave the list either.
void ShipListBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (MovesFocusWithinWindow(event->reason()) && !view()->window()->isVisible()) {
        emit exited();
    }
}

// The drop-down closes in several ways (a pick, Escape, a click elsewhere); all of them
// hide its container.
bool ShipListBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == view()->parentWidget()) {
        emit closedUp();
    }
    return QComboBox::eventFilter(watched, event);
}

void ShipListBox::SelectByTypedText(const QString& text) {
    const int row = text.isEmpty() ? -1 : findText(text, Qt::MatchStartsWith);
    if (row < 0) {
        setCurrentIndex(-1);
        return;
    }
    setCurrentIndex(row);
    lineEdit()->setSelection(static_cast<int>(text.size()), static_cast<int>(currentText().size()));
}
