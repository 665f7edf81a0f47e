#pragma once

class QAccessibleInterface;

#include <QWidget>

#include "data/display_settings.h"

// Sixteen colour cells, two columns by eight rows. A left click picks a cell and marks
// it; only the picked colour is used. With the focus, the arrow keys move the pick.
class ColorGrid : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kCellCount = 16;

    explicit ColorGrid(QWidget* parent = nullptr);

    int PickedCell() const { return m_picked; }
    ColorValue PickedColor() const;
    QString PickedColorName() const;
    static ColorValue CellColor(int cell);
    QRect CellRect(int cell) const;
    // As a click on the cell; a cell outside the grid is ignored.
    void PickCell(int cell);

  signals:
    // Every left click on a cell, also on the one already picked, and every move of the
    // pick by the keyboard.
    void picked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    int CellAt(QPoint position) const;
    void Pick(int cell);
    void TellPickedCellFocused();

    int m_picked = 0;
};

// The colour picker, shown to assistive tools with its picked colour; installed once at start-up.
QAccessibleInterface* ColorGridAccessibleFactory(const QString& key, QObject* object);
