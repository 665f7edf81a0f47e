#pragma once

#include <QWidget>
#include <array>

class DetailsWindowLink;
class QPlainTextEdit;
class QPushButton;
class SpokenNotice;
class StatsGrid;
struct ProgramState;
struct SaveResult;

// The Setup section's normal content: the stats file header box, the grid of StoredStats
// and the button column. The grid takes input only in edit mode; Save and Restore write
// the stats file through the core.
class StatsEditorPanel : public QWidget {
    Q_OBJECT

  public:
    StatsEditorPanel(ProgramState& state, DetailsWindowLink& detailsWindow,
                     QWidget* parent = nullptr);

    // Header box and grid from the file view and StoredStats.
    void ShowStatsFile();
    // Cells and fixed cells in DetailsBackground, text in DetailsText.
    void ApplyGridColors();

  signals:
    void settingsRequested();
    void aboutRequested();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    enum Button { Edit, Save, Cancel, Restore, Settings, About, ButtonCount };

    void CreateButtons();
    void SetEditing(bool editing);
    void EditerBtnClick();
    void UpdateAndSaveBtnClick();
    void CancelEditBtnClick();
    void RestoreBtnClick();
    // A confirmed save closes the Details window; a failed one keeps it open and says why.
    void FinishSave(const SaveResult& result);

    ProgramState& m_state;
    DetailsWindowLink& m_detailsWindow;
    QPlainTextEdit* m_headerBox = nullptr;
    QWidget* m_controlPanel = nullptr;
    StatsGrid* m_grid = nullptr;
    SpokenNotice* m_notice = nullptr;
    std::array<QPushButton*, ButtonCount> m_buttons{};
};
