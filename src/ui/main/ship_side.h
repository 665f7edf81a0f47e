#pragma once

#include <QObject>
#include <string>

#include "data/display_settings.h"

class ButtonLabel;
class GlyphLabel;
class ShipListBox;
struct ProgramState;

// One side of the pairing on the main window: a ship list, the ship's name shown over it
// (clicking the name focuses the list) and the arrow label that drops the list down. The
// attacker and the defender have one each. A change by the user is reported with
// selectionChanged once the list again holds a selection and the name shows it.
class ShipSide : public QObject {
    Q_OBJECT

  public:
    struct Controls {
        ShipListBox* list = nullptr;
        ButtonLabel* name = nullptr;
        ButtonLabel* listBtn = nullptr;
        // Shared by both sides: the highlighted arrow over the open list's arrow label.
        GlyphLabel* listBtnOverlay = nullptr;
    };

    ShipSide(const ProgramState& state, const Controls& controls, QObject* parent);

    // The 54 names of the working table, once; later renames do not reach the list.
    void FillList();
    // Selecting by the program runs no change handler. A row outside the table selects
    // the first row.
    void SelectRow(int row);
    int SelectedRow() const;
    // " " + the selected ship's name from the working table: whole until the user picks
    // from the list, then cut to 16 characters.
    void ShowName();

    // The user's change: back to the last valid row when the list lost its selection, then
    // the name, cut to 16 characters.
    void ListChange();

    // The name, by whether the list has the focus; the arrow and the list in MainText.
    void ApplyColors();
    // Live preview of one changed colour: the name follows MainText only while it is not
    // highlighted, and MainHighlight only while it is.
    void PreviewTextColor();
    void PreviewHighlightColor();

    bool ListHasFocus() const;

  signals:
    void selectionChanged();

  private:
    void ListDropDown();
    void ListCloseUp();
    void ListEnter();
    void ListExit();
    void NameClick();
    void ListBtnClick();
    void ListBtnMouseEnter();
    void ListBtnMouseLeave();

    void ApplyListColors();
    void SetNameColor(ColorValue color);
    const DisplaySettings& Colors() const;

    const ProgramState& m_state;
    Controls m_controls;
    int m_lastRow = 1;
    bool m_picked = false;
    ColorValue m_nameColor = 0;
};
