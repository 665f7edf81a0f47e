#include "ui/details/setup/color_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <array>

#include "ui/common/accessibility.h"
#include "ui/common/colors.h"
#include "ui/common/frame_line.h"

namespace {

constexpr int kColumns = 2;
constexpr int kRows = ColorGrid::kCellCount / kColumns;
constexpr int kMarkWidth = 2;

struct Cell {
    ColorValue color;
    const char* name;
};

constexpr std::array<Cell, ColorGrid::kCellCount> kCells = {{
    {0x00000000, "black"},
    {0x00000080, "maroon"},
    {0x00008000, "green"},
    {0x00008080, "olive"},
    {0x00800000, "navy"},
    {0x00800080, "purple"},
    {0x00808000, "teal"},
    {0x00C0C0C0, "silver"},
    {0x00808080, "grey"},
    {0x000000FF, "red"},
    {0x0000FF00, "lime"},
    {0x0000FFFF, "yellow"},
    {0x00FF0000, "blue"},
    {0x00FF00FF, "fuchsia"},
    {0x00FFFF00, "aqua"},
    {0x00FFFFFF, "white"},
}};

// The mark must show on every cell: white on the dark ones, black on the light ones.
QColor MarkColorFor(const QColor& cell) {
    return cell.lightness() < 128 ? Qt::white : Qt::black;
}

// The cell a key moves the pick to within the two columns, or -1 when there is none.
int NeighbourCell(int cell, int key) {
    switch (key) {
        case Qt::Key_Left:
            return cell % kColumns > 0 ? cell - 1 : -1;
        case Qt::Key_Right:
            return cell % kColumns < kColumns - 1 ? cell + 1 : -1;
        case Qt::Key_Up:
            return cell >= kColumns ? cell - kColumns : -1;
        case Qt::Key_Down:
            return cell + kColumns < ColorGrid::kCellCount ? cell + kColumns : -1;
        default:
            return -1;
    }
}

// One cell, named by its colour, to assistive tools: a screen reader says the colour as the
// focus moves to the picked cell.
class ColorCellAccessible : public QAccessibleInterface {
  public:
    ColorCellAccessible(ColorGrid* grid, int cell) : m_grid(grid), m_cell(cell) {}

    bool isValid() const override { return !m_grid.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_grid->window()->windowHandle(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_grid);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? QString::fromLatin1(kCells[Index()].name) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect cell = m_grid->CellRect(m_cell);
        return {m_grid->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        const bool picked = m_grid->PickedCell() == m_cell;
        state.selectable = true;
        state.selected = picked;
        state.focusable = true;
        state.focused = picked && m_grid->hasFocus();
        return state;
    }

  private:
    std::size_t Index() const { return static_cast<std::size_t>(m_cell); }

    QPointer<ColorGrid> m_grid;
    int m_cell;
};

// A colour chooser to assistive tools, whose value is the picked colour: its name as text,
// its cell as the number, so that a change of the pick is reported as a change of value. Its
// cells are its children.
class ColorGridAccessible : public DrawnControlAccessible, public QAccessibleValueInterface {
  public:
    explicit ColorGridAccessible(ColorGrid* grid)
        : DrawnControlAccessible(grid, QAccessible::ColorChooser) {
        for (int cell = 0; cell < ColorGrid::kCellCount; ++cell) {
            auto* accessible = new ColorCellAccessible(grid, cell);
            QAccessible::registerAccessibleInterface(accessible);
            m_cells[static_cast<std::size_t>(cell)] = QAccessible::uniqueId(accessible);
        }
    }

    ~ColorGridAccessible() override {
        for (const QAccessible::Id cell : m_cells) {
            QAccessible::deleteAccessibleInterface(cell);
        }
    }

    ColorGridAccessible(const ColorGridAccessible&) = delete;
    ColorGridAccessible& operator=(const ColorGridAccessible&) = delete;

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : DrawnControlAccessible::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return Grid()->PickedColorName();
        }
        return DrawnControlAccessible::text(kind);
    }

    int childCount() const override { return ColorGrid::kCellCount; }
    QAccessibleInterface* child(int index) const override {
        const bool isCell = index >= 0 && index < ColorGrid::kCellCount;
        return isCell ? QAccessible::accessibleInterface(m_cells[static_cast<std::size_t>(index)])
                      : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto found =
            std::find(m_cells.begin(), m_cells.end(),
                      QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child)));
        return found != m_cells.end() ? static_cast<int>(found - m_cells.begin()) : -1;
    }
    QAccessibleInterface* focusChild() const override {
        return Grid()->hasFocus() ? child(Grid()->PickedCell()) : nullptr;
    }

    QVariant currentValue() const override { return Grid()->PickedCell(); }
    void setCurrentValue(const QVariant& value) override { Grid()->PickCell(value.toInt()); }
    QVariant maximumValue() const override { return ColorGrid::kCellCount - 1; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

  private:
    ColorGrid* Grid() const { return static_cast<ColorGrid*>(widget()); }

    std::array<QAccessible::Id, ColorGrid::kCellCount> m_cells{};
};

}  // namespace

QAccessibleInterface* ColorGridAccessibleFactory(const QString&, QObject* object) {
    auto* grid = qobject_cast<ColorGrid*>(object);
    return grid != nullptr ? new ColorGridAccessible(grid) : nullptr;
}

ColorGrid::ColorGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ColorGrid1"));
    setFocusPolicy(Qt::StrongFocus);
}

ColorValue ColorGrid::CellColor(int cell) {
    return kCells[static_cast<std::size_t>(cell)].color;
}

QString ColorGrid::PickedColorName() const {
    return QString::fromLatin1(kCells[static_cast<std::size_t>(m_picked)].name);
}

ColorValue ColorGrid::PickedColor() const {
    return CellColor(m_picked);
}

QRect ColorGrid::CellRect(int cell) const {
    const int cellWidth = width() / kColumns;
    const int cellHeight = height() / kRows;
    return {(cell % kColumns) * cellWidth, (cell / kColumns) * cellHeight, cellWidth, cellHeight};
}

int ColorGrid::CellAt(QPoint position) const {
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (CellRect(cell).contains(position)) {
            return cell;
        }
    }
    return -1;
}

void ColorGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int cell = 0; cell < kCellCount; ++cell) {
        const QRect rect = CellRect(cell);
        const QColor color = ToQColor(CellColor(cell));
        painter.fillRect(rect, color);
        FillFrameLine(painter, rect, Qt::gray);
        if (cell == m_picked) {
            const QRect mark = rect.adjusted(kMarkWidth, kMarkWidth, -kMarkWidth, -kMarkWidth);
            FillFrameLine(painter, mark, MarkColorFor(color), kMarkWidth);
        }
    }
    if (hasFocus()) {
        FillFrameLine(painter, rect(), palette().color(QPalette::Highlight));
    }
}

void ColorGrid::mousePressEvent(QMouseEvent* event) {
    const int cell = CellAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || cell < 0) {
        return;
    }
    Pick(cell);
}

void ColorGrid::keyPressEvent(QKeyEvent* event) {
    const int cell = NeighbourCell(m_picked, event->key());
    if (cell < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    Pick(cell);
}

// A screen reader follows the focus: it says the colour of the cell the pick moved to.
void ColorGrid::TellPickedCellFocused() {
    if (hasFocus()) {
        QAccessibleEvent focused(this, QAccessible::Focus);
        focused.setChild(m_picked);
        QAccessible::updateAccessibility(&focused);
    }
}

// Qt tells the grid's own focus after this handler: the picked cell follows it.
void ColorGrid::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    QMetaObject::invokeMethod(this, &ColorGrid::TellPickedCellFocused, Qt::QueuedConnection);
}

void ColorGrid::PickCell(int cell) {
    if (cell >= 0 && cell < kCellCount) {
        Pick(cell);
    }
}

void ColorGrid::Pick(int cell) {
    m_picked = cell;
    update();
    QAccessibleValueChangeEvent valueChange(this, cell);
    QAccessible::updateAccessibility(&valueChange);
    TellPickedCellFocused();
    emit picked();
}
