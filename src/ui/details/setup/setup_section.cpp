#include "ui/details/setup/setup_section.h"

#include <QStackedLayout>

#include "core/engine.h"
#include "ui/common/setup_look.h"
#include "ui/common/spoken_notice.h"
#include "ui/details/setup/about_panel.h"
#include "ui/details/setup/settings_panel.h"
#include "ui/details/setup/stats_editor_panel.h"

SetupSection::SetupSection(Engine& engine, MainWindowLink& mainWindow,
                           DetailsWindowLink& detailsWindow, QWidget* parent)
    : QWidget(parent), m_mainWindow(mainWindow), m_detailsWindow(detailsWindow) {
    setObjectName(QStringLiteral("StatsFilePanel"));
    UseStandardPanelColors(*this);
    m_statsEditor = new StatsEditorPanel(engine, m_detailsWindow, this);
    m_settingsPanel = new SettingsPanel(engine, m_mainWindow, m_detailsWindow, this);
    m_aboutPanel = new AboutPanel(engine.State(), this);
    m_notice = new SpokenNotice(*this);

    m_panels = new QStackedLayout(this);
    m_panels->setContentsMargins(0, 0, 0, 0);
    m_panels->addWidget(m_statsEditor);
    m_panels->addWidget(m_settingsPanel);
    m_panels->addWidget(m_aboutPanel);
    m_panels->setCurrentWidget(m_statsEditor);

    connect(m_statsEditor, &StatsEditorPanel::settingsRequested, this,
            &SetupSection::SettingsBtnClick);
    connect(m_statsEditor, &StatsEditorPanel::aboutRequested, this, &SetupSection::AboutBtnClick);
    connect(m_settingsPanel, &SettingsPanel::closed, this, &SetupSection::ShowStatsEditor);
    connect(m_settingsPanel, &SettingsPanel::detailsColorsChanged, m_statsEditor,
            &StatsEditorPanel::ApplyGridColors);
    connect(m_aboutPanel, &AboutPanel::closed, this, &SetupSection::ShowStatsEditor);
}

void SetupSection::ShowStatsFile() {
    m_statsEditor->ShowStatsFile();
}

void SetupSection::FillDefaultLists() {
    m_settingsPanel->FillDefaultLists();
}

void SetupSection::ApplyShownColors() {
    m_settingsPanel->ShowSampleColors();
    m_statsEditor->ApplyGridColors();
}

void SetupSection::SettingsBtnClick() {
    m_settingsPanel->Open();
    ShowPanel(m_settingsPanel, QStringLiteral("Settings"));
}

void SetupSection::AboutBtnClick() {
    ShowPanel(m_aboutPanel, QStringLiteral("About"));
    m_aboutPanel->Open();
}

void SetupSection::ShowStatsEditor() {
    ShowPanel(m_statsEditor, QStringLiteral("Ship statistics"));
}

// A screen reader hears the panel's name wherever the focus is, before the control that
// the focus may move to on the new panel.
void SetupSection::ShowPanel(QWidget* panel, const QString& spokenName) {
    m_notice->Say(spokenName);
    m_panels->setCurrentWidget(panel);
}
