#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <string>

class DetailsWindowLink;
class QPlainTextEdit;
class QPushButton;
class SpokenNotice;
class StatsGrid;
class Engine;
struct ProgramState;
struct SaveResult;
enum class CellEdit;

// The Setup section's normal content: the stats file header box, the grid of the engine's
// edited table and the button column. The grid takes input only in edit mode, and hands it
// to the engine's edit session; Save and Restore ask for the file, then the engine writes it.
class StatsEditorPanel : public QWidget {
    Q_OBJECT

  public:
    StatsEditorPanel(Engine& engine, DetailsWindowLink& detailsWindow, QWidget* parent = nullptr);

    // Header box and grid from the file view and the edited table.
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
    void TakeTypedCell(int row, int tableColumn, const QString& text);
    void TakePastedBlock(int row, int tableColumn, const QString& block);
    // A refused cell or block is said in a message; the grid shows the engine's table again.
    void ShowEditOutcome(CellEdit edit);
    // The save dialog, opened in the folder of `initialPath` with its file name proposed;
    // the chosen full path, or nothing when cancelled.
    std::optional<std::string> ChooseSaveFile(const std::string& initialPath);
    // A confirmed save closes the Details window; a failed one keeps it open and says why.
    void FinishSave(const SaveResult& result);

    Engine& m_engine;
    const ProgramState& m_state;
    DetailsWindowLink& m_detailsWindow;
    QPlainTextEdit* m_headerBox = nullptr;
    QWidget* m_controlPanel = nullptr;
    StatsGrid* m_grid = nullptr;
    SpokenNotice* m_notice = nullptr;
    std::array<QPushButton*, ButtonCount> m_buttons{};
};
