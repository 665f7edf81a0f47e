#pragma once

#include <QRect>

class QColor;
class QPainter;

// The Marlett symbols the main window uses as captions, drawn instead of taken from the
// font: "t" and "u" triangles, the "0" minimise bar and the "r" close cross.
enum class Glyph { None, UpTriangle, DownTriangle, MinimiseBar, CloseCross };

// Draws `glyph` inside `cell`, the square one Marlett character of the cell's height
// occupies, pixel for pixel so it stays sharp at these small sizes.
void DrawGlyph(QPainter& painter, const QRect& cell, Glyph glyph, const QColor& color);
