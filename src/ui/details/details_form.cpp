#include "ui/details/details_form.h"

#include <QPlainTextEdit>
#include <QScreen>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "core/readouts.h"
#include "ui/common/accessibility.h"
#include "ui/common/app_title.h"
#include "ui/common/colors.h"
#include "ui/common/details_palette.h"
#include "ui/common/fonts.h"
#include "ui/common/key_table.h"
#include "ui/details/report_boxes.h"
#include "ui/details/report_panels.h"
#include "ui/details/results_panel.h"
#include "ui/details/section_tab_bar.h"
#include "ui/details/setup/setup_section.h"

namespace {

// The first size includes the window frame, where the platform has one.
constexpr QSize kOuterSize(534, 505);
constexpr int kFontPixels = 11;

}  // namespace

TDetailsForm::TDetailsForm(Engine& engine, MainWindowLink& mainWindow, QWidget* parent)
    : QWidget(parent), m_engine(engine) {
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("DetailsForm"));
    setWindowTitle(QStringLiteral("Detailed ") + QString::fromLatin1(kAppTitle));
    setFont(SansSerifFont(kFontPixels));
    resize(kOuterSize);
    m_placement = new FramedPlacement(
        *this, [this] { return screen()->availableGeometry(); }, kOuterSize);

    CreatePanels(mainWindow);
    CreateSectionKeys();
    DescribeControls(*this, kReportBoxTexts);
    ShowSection(DetailsSection::Calculation);
    ApplySettingsColors();
    m_setup->ShowStatsFile();
    m_setup->FillDefaultLists();
    ShowCoreTexts();
    m_engine.AttachFrontend(*this);
}

// The window may be built after calculations ran: it starts with what the core holds.
void TDetailsForm::ShowCoreTexts() {
    for (const ReportBox& box : kReportBoxes) {
        ReportUpdated(box.report);
    }
    if (!CurrentResultLine(m_state).empty()) {
        ShowCurrentResult();
    }
}

TDetailsForm::~TDetailsForm() {
    m_engine.DetachFrontend(*this);
}

// The tab bar over a stack of the six panels, in tab order; one is shown at a time.
void TDetailsForm::CreatePanels(MainWindowLink& mainWindow) {
    m_toolBar = new SectionTabBar(m_state.Settings.Display, this);
    m_toolBar->setFixedHeight(SectionTabBar::kHeight);
    connect(m_toolBar, &SectionTabBar::sectionSelected, this, &TDetailsForm::ShowSection);

    m_calculationPanel = new CalculationPanel(this);
    m_targetPanel = NewSplitPanel(QStringLiteral("TargetPanel"), Report::TargetAtt,
                                  Report::TargetDef, ReportScrollBar::Vertical);
    m_resourcesPanel = NewSplitPanel(QStringLiteral("ResourcesPanel"), Report::ResourcesAtt,
                                     Report::ResourcesDef, ReportScrollBar::Vertical);
    m_basicStatsPanel = NewSplitPanel(QStringLiteral("BasicStatsPanel"), Report::BasicStatsAtt,
                                      Report::BasicStatsDef, ReportScrollBar::None);
    m_resultsPanel = new ResultsPanel(m_engine, this);
    m_setup = new SetupSection(m_engine, mainWindow, *this, this);

    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    frame->addWidget(m_toolBar);
    m_sections = new QStackedLayout;
    frame->addLayout(m_sections);
    const std::array<QWidget*, kSectionCount> panelsInTabOrder = {
        m_calculationPanel, m_targetPanel,  m_resourcesPanel,
        m_basicStatsPanel,  m_resultsPanel, m_setup};
    for (QWidget* panel : panelsInTabOrder) {
        m_sections->addWidget(panel);
    }
    for (const AccessibleText& box : kReportBoxTexts) {
        m_boxes.push_back(findChild<QPlainTextEdit*>(QLatin1String(box.control)));
    }
}

// The platform's keys for the next and the previous page of a tabbed window.
void TDetailsForm::CreateSectionKeys() {
    const std::pair<KeyCommand, int> steps[] = {
        {KeyCommand::NextSection, 1},
        {KeyCommand::PreviousSection, -1},
    };
    for (const auto& [command, step] : steps) {
        BindKeys(command, this, Qt::WindowShortcut, m_toolBar,
                 [this, step = step] { m_toolBar->SelectNeighbourByKey(step); });
    }
}

SplitReportPanel* TDetailsForm::NewSplitPanel(const QString& name, Report attacker, Report defender,
                                              ReportScrollBar scrollBar) {
    return new SplitReportPanel(name, ReportBoxName(attacker), ReportBoxName(defender), scrollBar,
                                this);
}

QPlainTextEdit* TDetailsForm::BoxOf(Report report) const {
    return m_boxes[static_cast<std::size_t>(report)];
}

QString TDetailsForm::SelectedSection() const {
    return m_toolBar->SelectedValue();
}

void TDetailsForm::ShowCurrentResult() {
    m_resultsPanel->ShowCurrentResult();
}

void TDetailsForm::ReportUpdated(Report report) {
    ShowReportLines(BoxOf(report), ReportText(m_state, report));
}

void TDetailsForm::PreviewColor(ColorRole role) {
    switch (role) {
        case ColorRole::DetailsBackground:
            ApplyBackground();
            break;
        case ColorRole::DetailsText:
            ApplyTextColor();
            break;
        case ColorRole::DetailsHighlight:
            ApplySetupHighlight();
            break;
        default:
            break;
    }
}

void TDetailsForm::ReapplyColors() {
    ApplyBackground();
    ApplyTextColor();
    ApplySetupHighlight();
}

void TDetailsForm::HideWindow() {
    hide();
}

void TDetailsForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        m_placement->Place();
    }
    ApplySettingsColors();
}

void TDetailsForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout()->activate();
    ApplyResizeRule();
}

// A hidden panel keeps the size it last had; the one shown takes the window's.
void TDetailsForm::ShowSection(DetailsSection section) {
    m_sections->setCurrentIndex(static_cast<int>(IndexOf(section)));
    layout()->activate();
    if (IsSplitSection(section)) {
        ApplyResizeRule();
    }
}

// Hidden panels keep their last size, so selecting a split section runs this again.
void TDetailsForm::ApplyResizeRule() {
    m_resourcesPanel->FitMemos();
    m_basicStatsPanel->FitMemos();
    m_targetPanel->FitMemos();
}

// Creation and every show: everything that takes a Details colour.
void TDetailsForm::ApplySettingsColors() {
    ApplyWindowColors();
    m_setup->ApplyShownColors();
    m_toolBar->ColorLabelsBySelection();
}

void TDetailsForm::ApplyBackground() {
    ApplyWindowColors();
    m_setup->ApplyShownColors();
}

// The five report and results labels; the Setup label is the selected one while the
// settings panel is in use.
void TDetailsForm::ApplyTextColor() {
    ApplyWindowColors();
    const QColor text = ToQColor(m_state.Settings.Display.DetailsText);
    for (DetailsSection section : kAllSections) {
        if (section != DetailsSection::StatsFile) {
            m_toolBar->SetLabelColor(section, text);
        }
    }
}

void TDetailsForm::ApplySetupHighlight() {
    m_toolBar->SetLabelColor(DetailsSection::StatsFile,
                             ToQColor(m_state.Settings.Display.DetailsHighlight));
}

// Text boxes that inherit the window font take its colour too.
void TDetailsForm::ApplyWindowColors() {
    const QColor background = ToQColor(m_state.Settings.Display.DetailsBackground);
    const QColor text = ToQColor(m_state.Settings.Display.DetailsText);
    SetOwnColors(
        this,
        {{QPalette::Window, background}, {QPalette::WindowText, text}, {QPalette::Text, text}});
    m_resultsPanel->ApplyColors(background, text);
}
