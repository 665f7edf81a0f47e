#pragma once

#include <QTableWidget>

#include "data/ship_table.h"

class CellEditorDelegate;

// The ship table as a text grid, a view of the engine's edited table. The header row and the
// "ShipName" column are the table's own headers, drawn as plain fixed cells: they stay in
// view when the grid scrolls and cannot be edited. Data cells are edited in place; Tab moves
// between them. A committed cell and a pasted block go out as signals, for the engine to
// take or refuse; the grid then shows the engine's table again. Ctrl+C copies the selected
// cells as tab-separated lines; Ctrl+V pastes such a block at the current cell, also from an
// open cell editor, whose own paste takes only a single field.
class StatsGrid : public QTableWidget {
    Q_OBJECT

  public:
    explicit StatsGrid(QWidget* parent = nullptr);

    // Column widths, header texts and every field of `table`.
    void ShowTable(const ShipTable& table);
    // Cells and fixed cells share the background.
    void ApplyColors(const QColor& background, const QColor& text);
    // Closes an open cell editor, committing what was typed there.
    void FinishEditing();

  signals:
    // Rows count the ships from 0, columns the ship table's columns (0 is "ShipName").
    void cellTyped(int row, int tableColumn, const QString& text);
    void blockPasted(int row, int tableColumn, const QString& block);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void updateGeometries() override;

  private:
    void CreateCells();
    void SetColumnWidths();
    void CopySelectedBlock() const;
    void PasteAtCurrentCell();
    // Tab at the last cell and Shift+Tab at the first leave the grid instead of going round.
    bool IsAtEdgeToward(bool next) const;

    CellEditorDelegate* m_delegate = nullptr;
    QWidget* m_corner = nullptr;
};
