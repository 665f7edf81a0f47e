#pragma once

#include <QTableWidget>

#include "data/ship_table.h"

class CellEditorDelegate;

// The ship table as a text grid. The header row and the "ShipName" column are the
// table's own headers, drawn as plain fixed cells: they stay in view when the grid
// scrolls and cannot be edited. Data cells are edited in place; Tab moves between them.
// Ctrl+C copies the selected cells as tab-separated lines, Ctrl+V pastes such a block at the
// current cell; both change only the grid, never the ship table behind it.
class StatsGrid : public QTableWidget {
  public:
    explicit StatsGrid(QWidget* parent = nullptr);

    // Column widths, header texts and every field of `table`.
    void ShowTable(const ShipTable& table);
    // The 54 x 19 texts as they stand in the grid, edits included.
    ShipTable Table() const;
    // Cells and fixed cells share the background.
    void ApplyColors(const QColor& background, const QColor& text);
    // Closes an open cell editor, keeping what was typed there.
    void FinishEditing();

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
