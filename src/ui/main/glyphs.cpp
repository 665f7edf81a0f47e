#include "ui/main/glyphs.h"

#include <QColor>
#include <QPainter>

namespace {

// A triangle as wide as half the cell (an odd number of pixels, so it has a tip) and half
// as high as wide, centred in the cell.
void DrawTriangle(QPainter& painter, const QRect& cell, bool pointsUp, const QColor& color) {
    const int size = cell.height();
    const int width = (size / 2) | 1;
    const int height = (width + 1) / 2;
    const int left = cell.left() + (cell.width() - width) / 2;
    const int top = cell.top() + (size - height) / 2;
    for (int row = 0; row < height; ++row) {
        const int inset = pointsUp ? height - 1 - row : row;
        painter.fillRect(left + inset, top + row, width - 2 * inset, 1, color);
    }
}

void DrawMinimiseBar(QPainter& painter, const QRect& cell, const QColor& color) {
    const int size = cell.height();
    const int width = size * 3 / 8;
    const int height = size >= 16 ? 2 : 1;
    const int left = cell.left() + (cell.width() - width) / 2 - 1;
    painter.fillRect(left, cell.top() + size * 11 / 16, width, height, color);
}

// Two strokes two pixels wide, like the caption button's cross.
void DrawCloseCross(QPainter& painter, const QRect& cell, const QColor& color) {
    const int rows = cell.height() / 2;
    const int left = cell.left() + (cell.width() - rows - 1) / 2;
    const int top = cell.top() + (cell.height() - rows) / 2;
    for (int row = 0; row < rows; ++row) {
        painter.fillRect(left + row, top + row, 2, 1, color);
        painter.fillRect(left + rows - 1 - row, top + row, 2, 1, color);
    }
}

}  // namespace

void DrawGlyph(QPainter& painter, const QRect& cell, Glyph glyph, const QColor& color) {
    switch (glyph) {
        case Glyph::UpTriangle:
            DrawTriangle(painter, cell, true, color);
            break;
        case Glyph::DownTriangle:
            DrawTriangle(painter, cell, false, color);
            break;
        case Glyph::MinimiseBar:
            DrawMinimiseBar(painter, cell, color);
            break;
        case Glyph::CloseCross:
            DrawCloseCross(painter, cell, color);
            break;
        case Glyph::None:
            break;
    }
}
