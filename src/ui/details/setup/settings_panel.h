#pragma once

#include <QFrame>
#include <string>

#include "data/display_settings.h"
#include "ui/common/colors.h"

class ColorEditor;
class DetailsWindowLink;
class MainWindowLink;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class Engine;
struct ProgramState;

// Where the user edits the display settings: hints, the main window's starting fleet size
// and ship types, and the seven colours, which both windows show at once. Only "Save these
// Settings as Default" stores them (line 4 of ShipStats.txt); Close and Cancel return to
// the line saved last.
class SettingsPanel : public QFrame {
    Q_OBJECT

  public:
    SettingsPanel(Engine& engine, MainWindowLink& mainWindow, DetailsWindowLink& detailsWindow,
                  QWidget* parent = nullptr);

    // Takes the settings line from the file view and loads the controls from the settings.
    void Open();
    // The 54 ship names of StoredStats into both default lists.
    void FillDefaultLists();
    void ShowSampleColors();

  signals:
    // "Close Settings": the Setup section shows its stats editor again.
    void closed();
    // The grid of the stats editor follows DetailsBackground and DetailsText.
    void detailsColorsChanged();

  private:
    void CreateControls();
    void CreateButtons();
    void ConnectUserChanges();
    void LoadControls();
    void SetChangeButtonsEnabled(bool enabled);
    void MarkChanged();
    void ForgetSelectionKeepingText(QComboBox& list);
    void PreviewColor(ColorRole role);
    // SettingsLine := line, parsed; both windows take their colours from it again.
    void ReturnToLine(std::string line);
    // As ReturnToLine, then the controls show the line; `unsaved` leaves Save and Cancel on.
    void ReloadFromLine(std::string line, bool unsaved);
    SettingsPanelValues PanelValues() const;

    void CloseSettingsBtnClick();
    void SaveSettingsBtnClick();
    void CancelSettingsBtnClick();
    void ClassicSettingsBtnClick();

    Engine& m_engine;
    const ProgramState& m_state;
    MainWindowLink& m_mainWindow;
    DetailsWindowLink& m_detailsWindow;
    QCheckBox* m_stayOnTopTick = nullptr;
    QCheckBox* m_toolTipsTick = nullptr;
    QLineEdit* m_fleetSizeEdit = nullptr;
    QComboBox* m_attackerList = nullptr;
    QComboBox* m_defenderList = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    ColorEditor* m_colorEditor = nullptr;
};
