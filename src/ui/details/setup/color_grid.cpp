#include "ui/details/setup/color_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <array>

#include "ui/common/colors.h"

namespace {

constexpr int kColumns = 2;
constexpr int kRows = ColorGrid::kCellCount / kColumns;
constexpr int kMarkWidth = 2;

constexpr std::array<ColorValue, ColorGrid::kCellCount> kCellColors = {
    0x00000000,  // black
    0x00000080,  // maroon
    0x00008000,  // green
    0x00008080,  // olive
    0x00800000,  // navy
    0x00800080,  // purple
    0x00808000,  // teal
    0x00C0C0C0,  // silver
    0x00808080,  // grey
    0x000000FF,  // red
    0x0000FF00,  // lime
    0x0000FFFF,  // yellow
    0x00FF0000,  // blue
    0x00FF00FF,  // fuchsia
    0x00FFFF00,  // aqua
    0x00FFFFFF,  // white
};

// The mark must show on every cell: white on the dark ones, black on the light ones.
QColor MarkColorFor(const QColor& cell) {
    return cell.lightness() < 128 ? Qt::white : Qt::black;
}

}  // namespace

ColorGrid::ColorGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ColorGrid1"));
}

ColorValue ColorGrid::CellColor(int cell) {
    return kCellColors[static_cast<std::size_t>(cell)];
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
        painter.setPen(Qt::gray);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        if (cell == m_picked) {
            const int inset = kMarkWidth + 1;
            painter.setPen(QPen(MarkColorFor(color), kMarkWidth));
            painter.drawRect(rect.adjusted(inset, inset, -inset, -inset));
        }
    }
}

void ColorGrid::mousePressEvent(QMouseEvent* event) {
    const int cell = CellAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || cell < 0) {
        return;
    }
    m_picked = cell;
    update();
    emit Picked();
}
