#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "core/engine.h"
#include "ui/common/framed_placement.h"
#include "ui/common/window_links.h"
#include "ui/details/details_section.h"
#include "ui/details/report_panels.h"

class CalculationPanel;
class QPlainTextEdit;
class QStackedLayout;
class ResultsPanel;
class SectionTabBar;
class SetupSection;

// The sectioned second window. The tab bar (SectionTabBar) picks which of six panels
// fills the window: four report panels whose boxes the core fills through
// ReportUpdated, the results log (ResultsPanel) and the Setup section (SetupSection),
// which edits ShipStats.txt and the display settings and previews colours back through
// DetailsWindowLink.
// Closing it only hides it (it is never deleted on close), so it keeps its section, log
// and editor state for the next time it is shown.
class TDetailsForm : public QWidget, public Frontend, public DetailsWindowLink {
    Q_OBJECT

  public:
    // Built after the calculator's first paint, from the state start-up loaded.
    TDetailsForm(Engine& engine, MainWindowLink& mainWindow, QWidget* parent = nullptr);
    // The core falls back to its silent frontend once the window is gone.
    ~TDetailsForm() override;

    // "Calculation", "Target", "Resources", "BasicStats", "Results" or "StatsFile".
    QString SelectedSection() const;

    void ShowCurrentResult() override;
    void ReportUpdated(Report report) override;

    void PreviewColor(ColorRole role) override;
    void ReapplyColors() override;
    void HideWindow() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void CreatePanels(MainWindowLink& mainWindow);
    void CreateSectionKeys();
    SplitReportPanel* NewSplitPanel(const QString& name, Report attacker, Report defender,
                                    ReportScrollBar scrollBar);
    QPlainTextEdit* BoxOf(Report report) const;

    void ShowSection(DetailsSection section);
    void ApplyResizeRule();

    void ApplySettingsColors();
    void ShowCoreTexts();
    void ApplyBackground();
    void ApplyTextColor();
    void ApplySetupHighlight();
    void ApplyWindowColors();

    Engine& m_engine;
    const ProgramState& m_state = m_engine.State();
    SectionTabBar* m_toolBar = nullptr;
    CalculationPanel* m_calculationPanel = nullptr;
    SplitReportPanel* m_targetPanel = nullptr;
    SplitReportPanel* m_resourcesPanel = nullptr;
    SplitReportPanel* m_basicStatsPanel = nullptr;
    ResultsPanel* m_resultsPanel = nullptr;
    SetupSection* m_setup = nullptr;
    QStackedLayout* m_sections = nullptr;
    // By Report.
    std::vector<QPlainTextEdit*> m_boxes;
    bool m_shownOnce = false;
    // The first size, 534 x 505 with the frame, centred on the screen.
    FramedPlacement* m_placement = nullptr;
};
