#pragma once

class QAccessibleInterface;

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>

#include "data/display_settings.h"
#include "ui/details/details_section.h"

class QLabel;

// `ToolBar1`: the six section labels across the top of the Details window. A press with
// any mouse button selects a section; the pointer highlights the label under it, and the
// selected section's label stays highlighted. The bar is a stop of the Tab key (never of a
// click), where the arrow keys select the previous or the next section. Assistive tools see
// a list of page tabs.
class SectionTabBar : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kHeight = 27;

    explicit SectionTabBar(const DisplaySettings& settings, QWidget* parent = nullptr);

    DetailsSection Selected() const { return m_selected; }
    // The `SelectedSection` text of the selected section ("Calculation", "Target", ...).
    QString SelectedValue() const;
    bool IsSelectedTab(const QWidget* label) const;

    // The next section (`step` 1) or the previous one (-1), round from the last to the
    // first, as a press on its label selects it.
    void SelectNeighbour(int step);
    // SelectNeighbour by the window's keys: the new section's tab takes the focus from
    // wherever in the window it was, so a screen reader reads the new section's name.
    void SelectNeighbourByKey(int step);

    void SetLabelColor(DetailsSection section, const QColor& color);
    // The selected label in DetailsHighlight, the others in DetailsText.
    void ColorLabelsBySelection();

  signals:
    void sectionSelected(DetailsSection section);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void CreateLabels();
    void Select(DetailsSection section);
    void LabelEntered(DetailsSection section);
    void LabelLeft(DetailsSection section);
    void TellSelectedTabFocused();
    QColor TextColor() const;
    QColor HighlightColor() const;

    const DisplaySettings& m_settings;
    std::array<QLabel*, kSectionCount> m_labels{};
    DetailsSection m_selected = DetailsSection::Calculation;
};

// The tabs of the Details window, shown to assistive tools as pressable tabs; installed once at
// start-up.
QAccessibleInterface* SectionTabAccessibleFactory(const QString& key, QObject* object);
