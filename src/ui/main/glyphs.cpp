#include "ui/main/glyphs.h"

#include <QColor>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

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
    const int height = std::max(1, size / 8);
    const int left = cell.left() + (cell.width() - width) / 2 - size / 16;
    painter.fillRect(left, cell.top() + size * 11 / 16, width, height, color);
}

// Two strokes two pixels wide at the window's sizes, like the caption button's cross.
void DrawCloseCross(QPainter& painter, const QRect& cell, const QColor& color) {
    const int rows = cell.height() / 2;
    const int stroke = std::max(2, cell.height() * 2 / 15);
    const int left = cell.left() + (cell.width() - (rows - 1 + stroke)) / 2;
    const int top = cell.top() + (cell.height() - rows) / 2;
    for (int row = 0; row < rows; ++row) {
        painter.fillRect(left + row, top + row, stroke, 1, color);
        painter.fillRect(left + rows - 1 - row, top + row, stroke, 1, color);
    }
}

// The cell in the pixels of the device, where the painter is about to draw one unit to
// one device pixel.
QRect InDevicePixels(const QRect& cell, qreal ratio) {
    return {qRound(cell.left() * ratio), qRound(cell.top() * ratio), qRound(cell.width() * ratio),
            qRound(cell.height() * ratio)};
}

}  // namespace

// On a scaled screen the glyph is drawn as at the larger size, pixel for pixel, rather
// than as enlarged pixels of the small one.
void DrawGlyph(QPainter& painter, const QRect& cell, Glyph glyph, const QColor& color) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QRect deviceCell = InDevicePixels(cell, ratio);
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    switch (glyph) {
        case Glyph::UpTriangle:
            DrawTriangle(painter, deviceCell, true, color);
            break;
        case Glyph::DownTriangle:
            DrawTriangle(painter, deviceCell, false, color);
            break;
        case Glyph::MinimiseBar:
            DrawMinimiseBar(painter, deviceCell, color);
            break;
        case Glyph::CloseCross:
            DrawCloseCross(painter, deviceCell, color);
            break;
        case Glyph::None:
            break;
    }
    painter.restore();
}
