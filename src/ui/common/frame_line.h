#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

// A line `thickness` pixels wide along the inside of `frame`, without fill. It is filled
// rather than stroked, so that on a scaled screen it covers whole device pixels inside the
// frame instead of straddling the frame's edge.
inline void FillFrameLine(QPainter& painter, const QRect& frame, const QColor& color,
                          int thickness = 1) {
    painter.fillRect(frame.left(), frame.top(), frame.width(), thickness, color);
    painter.fillRect(frame.left(), frame.bottom() + 1 - thickness, frame.width(), thickness, color);
    painter.fillRect(frame.left(), frame.top(), thickness, frame.height(), color);
    painter.fillRect(frame.right() + 1 - thickness, frame.top(), thickness, frame.height(), color);
}
