#include "ui/details/setup/stats_grid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <array>
#include <functional>

#include "ui/common/fonts.h"
#include "ui/common/qt_text.h"
#include "ui/details/setup/grid_clipboard.h"

namespace {

constexpr int kDefaultColumnWidth = 28;
constexpr int kRowHeight = 16;
constexpr int kTextIndent = 2;
constexpr QColor kGridLineColor(160, 160, 160);

struct ColumnWidth {
    Col column;
    int width;
};

constexpr std::array<ColumnWidth, 6> kColumnWidths = {{
    {Col::ShipName, 110},
    {Col::Race, 30},
    {Col::Metal, 40},
    {Col::Crystal, 40},
    {Col::Eon, 34},
    {Col::ShipType, 65},
}};

// Grid columns hold the ship table's columns after "ShipName", which is the row header.
int GridColumnOf(std::size_t tableColumn) {
    return static_cast<int>(tableColumn) - 1;
}

// The ship table's column of a grid column.
int TableColumnOf(int gridColumn) {
    return gridColumn + 1;
}

// A clipboard text of more than one field is a block for the grid, not text for one cell.
bool HoldsBlock(const QString& text) {
    return text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) ||
           text.contains(QLatin1Char('\r'));
}

void PaintFixedCell(QPainter& painter, const QRect& rect, const QString& text,
                    const QPalette& palette) {
    painter.fillRect(rect, palette.color(QPalette::Button));
    painter.setPen(palette.color(QPalette::ButtonText));
    painter.drawText(rect.adjusted(kTextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.setPen(kGridLineColor);
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
}

class FixedCellHeader : public QHeaderView {
  public:
    FixedCellHeader(Qt::Orientation orientation, QWidget* parent)
        : QHeaderView(orientation, parent) {
        setSectionsClickable(false);
        setHighlightSections(false);
        setMinimumSectionSize(1);
        setDefaultSectionSize(orientation == Qt::Horizontal ? kDefaultColumnWidth : kRowHeight);
        setSectionResizeMode(QHeaderView::Fixed);
    }

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        const QString text = model()->headerData(logicalIndex, orientation()).toString();
        PaintFixedCell(*painter, rect, text, palette());
    }
};

// The fixed cell above the row headers: the "ShipName" column's header text.
class FixedCorner : public QWidget {
  public:
    explicit FixedCorner(QWidget* parent) : QWidget(parent) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PaintFixedCell(painter, rect(), ToQString(StatsColumnNames[0]), palette());
    }
};

}  // namespace

// Remembers the open cell editor so that leaving edit mode can keep what was typed, and
// refuses line breaks, which would break the line layout of the stats file, and characters
// beyond Latin-1, which the 8-bit file cannot hold. Tells the grid of each committed cell,
// and of Ctrl+V with a block on the clipboard.
class CellEditorDelegate : public QStyledItemDelegate {
  public:
    CellEditorDelegate(StatsGrid* grid, std::function<void(const QModelIndex&)> committed,
                       std::function<void()> blockPaste)
        : QStyledItemDelegate(grid),
          m_committed(std::move(committed)),
          m_blockPaste(std::move(blockPaste)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            static const QRegularExpression kSingleLatin1Line(
                QStringLiteral("[^\\r\\n\\x{100}-\\x{10FFFF}]*"));
            line->setValidator(new QRegularExpressionValidator(kSingleLatin1Line, line));
        }
        // A screen reader names the cell being edited: its column and its ship.
        const QAbstractItemModel* cells = index.model();
        editor->setAccessibleName(cells->headerData(index.column(), Qt::Horizontal).toString() +
                                  QStringLiteral(" of ") +
                                  cells->headerData(index.row(), Qt::Vertical).toString());
        m_openEditor = editor;
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        QStyledItemDelegate::setModelData(editor, model, index);
        m_committed(index);
    }

    QWidget* OpenEditor() const { return m_openEditor; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool isPaste = event->type() == QEvent::KeyPress &&
                             static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste);
        if (isPaste && HoldsBlock(QGuiApplication::clipboard()->text())) {
            m_blockPaste();
            return true;
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }

  private:
    mutable QPointer<QWidget> m_openEditor;
    std::function<void(const QModelIndex&)> m_committed;
    std::function<void()> m_blockPaste;
};

StatsGrid::StatsGrid(QWidget* parent)
    : QTableWidget(static_cast<int>(kShipCount), static_cast<int>(kColumnCount) - 1, parent) {
    setObjectName(QStringLiteral("StatsGrid"));
    setHorizontalHeader(new FixedCellHeader(Qt::Horizontal, this));
    setVerticalHeader(new FixedCellHeader(Qt::Vertical, this));
    horizontalHeader()->setFixedHeight(kRowHeight);
    m_corner = new FixedCorner(this);
    m_delegate = new CellEditorDelegate(
        this,
        [this](const QModelIndex& index) {
            emit cellTyped(index.row(), TableColumnOf(index.column()),
                           index.data(Qt::EditRole).toString());
        },
        [this] { PasteAtCurrentCell(); });
    setItemDelegate(m_delegate);
    setCornerButtonEnabled(false);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setShowGrid(true);
    // A plain text grid: a long text is cut at the cell's edge, without an ellipsis.
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setFont(SansSerifFont(11));
    CreateCells();
    SetColumnWidths();
}

void StatsGrid::CreateCells() {
    for (int column = 0; column < columnCount(); ++column) {
        const auto tableColumn = static_cast<std::size_t>(column) + 1;
        setHorizontalHeaderItem(column,
                                new QTableWidgetItem(ToQString(StatsColumnNames[tableColumn])));
    }
    for (int row = 0; row < rowCount(); ++row) {
        setVerticalHeaderItem(row, new QTableWidgetItem);
        for (int column = 0; column < columnCount(); ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsSelectable);
            setItem(row, column, cell);
        }
    }
}

void StatsGrid::SetColumnWidths() {
    for (int column = 0; column < columnCount(); ++column) {
        setColumnWidth(column, kDefaultColumnWidth);
    }
    for (const ColumnWidth& entry : kColumnWidths) {
        if (entry.column == Col::ShipName) {
            verticalHeader()->setFixedWidth(entry.width);
        } else {
            setColumnWidth(GridColumnOf(static_cast<std::size_t>(entry.column)), entry.width);
        }
    }
}

void StatsGrid::ShowTable(const ShipTable& table) {
    SetColumnWidths();
    for (int row = 0; row < rowCount(); ++row) {
        const ShipRecord& ship = table[static_cast<std::size_t>(row)];
        verticalHeaderItem(row)->setText(ToQString(ship[Col::ShipName]));
        for (std::size_t tableColumn = 1; tableColumn < kColumnCount; ++tableColumn) {
            item(row, GridColumnOf(tableColumn))->setText(ToQString(ship.fields[tableColumn]));
        }
    }
}

void StatsGrid::ApplyColors(const QColor& background, const QColor& text) {
    QPalette palette = this->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window}) {
        palette.setColor(role, background);
    }
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Mid, kGridLineColor);
    setPalette(palette);
}

void StatsGrid::FinishEditing() {
    QWidget* editor = m_delegate->OpenEditor();
    if (state() == QAbstractItemView::EditingState && editor != nullptr) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void StatsGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopySelectedBlock();
    } else if (event->matches(QKeySequence::Paste)) {
        PasteAtCurrentCell();
    } else {
        QTableWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool StatsGrid::IsAtEdgeToward(bool next) const {
    return next ? currentRow() == rowCount() - 1 && currentColumn() == columnCount() - 1
                : currentRow() == 0 && currentColumn() == 0;
}

bool StatsGrid::focusNextPrevChild(bool next) {
    return IsAtEdgeToward(next) ? QWidget::focusNextPrevChild(next)
                                : QTableWidget::focusNextPrevChild(next);
}

// Tab and Shift+Tab in an open cell editor come here, not through focusNextPrevChild.
void StatsGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool tabbed = hint == QAbstractItemDelegate::EditNextItem ||
                        hint == QAbstractItemDelegate::EditPreviousItem;
    const bool next = hint == QAbstractItemDelegate::EditNextItem;
    if (!tabbed || !IsAtEdgeToward(next)) {
        QTableWidget::closeEditor(editor, hint);
        return;
    }
    QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    QWidget::focusNextPrevChild(next);
}

void StatsGrid::CopySelectedBlock() const {
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.isEmpty()) {
        return;
    }
    const QTableWidgetSelectionRange& block = ranges.first();
    QList<QStringList> rows;
    for (int row = block.topRow(); row <= block.bottomRow(); ++row) {
        QStringList& texts = rows.emplace_back();
        for (int column = block.leftColumn(); column <= block.rightColumn(); ++column) {
            texts << item(row, column)->text();
        }
    }
    QGuiApplication::clipboard()->setText(CopiedBlockText(rows));
}

// What was typed into an open editor goes first, so the block lands over it.
void StatsGrid::PasteAtCurrentCell() {
    if (!currentIndex().isValid()) {
        return;
    }
    FinishEditing();
    emit blockPasted(currentRow(), TableColumnOf(currentColumn()),
                     QGuiApplication::clipboard()->text());
}

void StatsGrid::updateGeometries() {
    QTableWidget::updateGeometries();
    m_corner->setGeometry(verticalHeader()->x(), horizontalHeader()->y(), verticalHeader()->width(),
                          horizontalHeader()->height());
    m_corner->raise();
}
