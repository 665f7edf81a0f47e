#pragma once

#include <QPoint>

#include "ui/main/glyph_label.h"

// A label used as a button. It reports presses and releases of any mouse button, left
// clicks, pointer moves while pressed, and the pointer entering and leaving it. It keeps the
// mouse while a button is held, so the release comes here wherever the pointer is.
// Assistive tools see it as a button and can press it.
class ButtonLabel : public GlyphLabel {
    Q_OBJECT

  public:
    explicit ButtonLabel(QWidget* parent = nullptr);

  signals:
    void pressed(QPoint pos);
    void released();
    void clicked();
    void draggedTo(QPoint globalPos);
    void entered();
    void left();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};
