#pragma once

#include <QRect>
#include <span>

class QWidget;

// Where a named child control of a panel stands, in the panel's pixels. A width or height
// of 0 lets the control take its own size, as a self-sizing label does.
struct Placement {
    const char* name;
    QRect geometry;
};

// Moves every control of the table (found by object name among the panel's descendants)
// to its place.
void PlaceControls(QWidget& panel, std::span<const Placement> table);
