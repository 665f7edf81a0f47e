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

#include "ui/common/fonts.h"
#include "ui/common/message_box.h"
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

// The view's cells count the header row and the "ShipName" column, which the table
// widget keeps as its headers.
GridCell ViewCellOf(int row, int column) {
    return {row + 1, column + 1};
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

// The stats file holds one byte per character: a cell refuses a text the file could only
// hold with stand-ins, whichever way the text comes.
class Latin1Cell : public QTableWidgetItem {
  public:
    QTableWidgetItem* clone() const override { return new Latin1Cell(*this); }

    void setData(int role, const QVariant& value) override {
        const bool isText = role == Qt::DisplayRole || role == Qt::EditRole;
        if (isText && !FitsLatin1(value.toString())) {
            return;
        }
        QTableWidgetItem::setData(role, value);
    }
};

}  // namespace

// Remembers the open cell editor so that leaving edit mode can keep what was typed, and
// refuses line breaks, which would break the line layout of the stats file, and characters
// beyond Latin-1, which the 8-bit file cannot hold.
class CellEditorDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

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

    QWidget* OpenEditor() const { return m_openEditor; }

  private:
    mutable QPointer<QWidget> m_openEditor;
};

StatsGrid::StatsGrid(QWidget* parent)
    : QTableWidget(static_cast<int>(kShipCount), static_cast<int>(kColumnCount) - 1, parent) {
    setObjectName(QStringLiteral("StatsGrid"));
    setHorizontalHeader(new FixedCellHeader(Qt::Horizontal, this));
    setVerticalHeader(new FixedCellHeader(Qt::Vertical, this));
    horizontalHeader()->setFixedHeight(kRowHeight);
    m_corner = new FixedCorner(this);
    m_delegate = new CellEditorDelegate(this);
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
    setItemPrototype(new Latin1Cell);
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
            auto* cell = new Latin1Cell;
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

ShipTable StatsGrid::Table() const {
    ShipTable table;
    for (int row = 0; row < rowCount(); ++row) {
        ShipRecord& ship = table[static_cast<std::size_t>(row)];
        ship[Col::ShipName] = ToBytes(verticalHeaderItem(row)->text());
        for (std::size_t tableColumn = 1; tableColumn < kColumnCount; ++tableColumn) {
            ship.fields[tableColumn] = ToBytes(item(row, GridColumnOf(tableColumn))->text());
        }
    }
    return table;
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

void StatsGrid::PasteAtCurrentCell() {
    if (currentItem() == nullptr) {
        return;
    }
    const GridArea editable{ViewCellOf(0, 0), ViewCellOf(rowCount() - 1, columnCount() - 1)};
    const GridPaste paste = PlacePastedBlock(QGuiApplication::clipboard()->text(),
                                             ViewCellOf(currentRow(), currentColumn()), editable);
    if (paste.refusal != PasteRefusal::None) {
        ShowPlainMessage(this, ToQString(PasteRefusalText(paste.refusal)));
        return;
    }
    for (const PastedCell& pasted : paste.cells) {
        item(pasted.cell.row - 1, pasted.cell.column - 1)->setText(ToQString(pasted.text));
    }
}

void StatsGrid::updateGeometries() {
    QTableWidget::updateGeometries();
    m_corner->setGeometry(verticalHeader()->x(), horizontalHeader()->y(), verticalHeader()->width(),
                          horizontalHeader()->height());
    m_corner->raise();
}
