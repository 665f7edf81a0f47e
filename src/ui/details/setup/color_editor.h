#pragma once

#include <QGroupBox>
#include <array>
#include <optional>

#include "data/display_settings.h"
#include "ui/common/colors.h"

class ColorGrid;
class QButtonGroup;
class QLabel;
class QRadioButton;
class QScrollBar;
class Engine;
struct ProgramState;

// The colour editor of the settings panel: a radio button chooses which of the seven
// colours is edited, three bars set its red, green and blue, and the colour grid moves the
// bars to one of sixteen colours. Every bar movement stores the colour in the settings at
// once, except while the bars are being put on a newly chosen colour.
class ColorEditor : public QGroupBox {
    Q_OBJECT

  public:
    explicit ColorEditor(Engine& engine, QWidget* parent = nullptr);

    // Fills the seven sample boxes from the settings.
    void ShowSampleColors();
    // No colour chosen: grid and bars disabled (where they stand), "R", "G", "B" shown.
    void Reset();

  signals:
    // A bar moved.
    void changed();
    // The role's colour in the settings was just replaced.
    void colorApplied(ColorRole role);

  private:
    enum Component { Red, Green, Blue, ComponentCount };

    void CreateColorControls();
    void CreateRoleControls();
    void ChooseRole(ColorRole role);
    void RedScrollChange();
    void ColorGrid1Change();
    // Red, then blue, then green: each bar that moves runs the bar change rule.
    void PositionBars(ColorValue color);
    void ShowComponents();
    ColorValue BarColor() const;
    void SetEditingEnabled(bool enabled);

    const DisplaySettings& Display() const;

    Engine& m_engine;
    const ProgramState& m_state;
    std::optional<ColorRole> m_role;
    bool m_positioningBars = false;
    ColorGrid* m_grid = nullptr;
    std::array<QScrollBar*, ComponentCount> m_bars{};
    std::array<QLabel*, ComponentCount> m_boxes{};
    QButtonGroup* m_radioGroup = nullptr;
    std::array<QLabel*, 7> m_samples{};
};
