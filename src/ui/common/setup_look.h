#pragma once

#include <QColor>

class QWidget;

// The Setup section keeps the platform's panel colours rather than the Details window's
// settings colours, which it would otherwise inherit.
void UseStandardPanelColors(QWidget& widget);

// Text colour of an enabled control; a disabled one keeps the platform's greyed text.
void SetTextColor(QWidget& widget, const QColor& color);

// Fills the control's background with one colour.
void SetFillColor(QWidget& widget, const QColor& color);
