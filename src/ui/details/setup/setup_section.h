#pragma once

#include <QString>
#include <QWidget>

#include "ui/common/window_links.h"

class AboutPanel;
class QStackedLayout;
class SettingsPanel;
class SpokenNotice;
class StatsEditorPanel;
class Engine;

// The Details window's Setup section: the stats file header and grid with their editor,
// the settings panel and the About panel. One of the three fills the section at a time;
// the editor's "Settings" and "About" buttons open the other two, which return to it when
// they close.
class SetupSection : public QWidget {
    Q_OBJECT

  public:
    SetupSection(Engine& engine, MainWindowLink& mainWindow, DetailsWindowLink& detailsWindow,
                 QWidget* parent = nullptr);

    // Refreshes the header box and the grid from the file view and the edited table.
    void ShowStatsFile();
    // Fills the settings panel's default attacker and defender lists, once, at creation.
    void FillDefaultLists();
    // What showing the Details window re-applies here: sample boxes and grid colours.
    void ApplyShownColors();

  private:
    void SettingsBtnClick();
    void AboutBtnClick();
    void ShowStatsEditor();
    void ShowPanel(QWidget* panel, const QString& spokenName);

    MainWindowLink& m_mainWindow;
    DetailsWindowLink& m_detailsWindow;
    StatsEditorPanel* m_statsEditor = nullptr;
    SettingsPanel* m_settingsPanel = nullptr;
    AboutPanel* m_aboutPanel = nullptr;
    QStackedLayout* m_panels = nullptr;
    SpokenNotice* m_notice = nullptr;
};
