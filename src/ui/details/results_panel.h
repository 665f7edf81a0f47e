#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

struct ProgramState;
class QListWidget;
class QPlainTextEdit;
class SpokenNotice;

// `ResultsPanel`: the current result line and the results log, which the user fills from
// the current result line, arranges and copies to the clipboard. The panel shows the core's
// results log (core/results_log.h), which holds the log's rules; the log lives only in
// memory and outlasts hiding the window.
class ResultsPanel : public QWidget {
    Q_OBJECT

  public:
    explicit ResultsPanel(ProgramState& state, QWidget* parent = nullptr);

    // "Current Result..." and the ResultLine, scrolled to the first line.
    void ShowCurrentResult();

    // The log's background is the window's; the panel's and the log's text colour.
    void ApplyColors(const QColor& background, const QColor& text);

  private:
    QWidget* CreateButtonStrip();
    QListWidget* CreateResultsLog();

    void ResultsAddBtnClick();
    void ResultsDeleteBtnClick();
    void ResultsClearBtnClick();
    void ResultsInsertBtnClick();
    void ResultsInsertSpaceBtnClick();
    void ResultsCopyBtnClick();
    void ResultsMoveUpBtnClick();
    void ResultsMoveDownBtnClick();

    void ApplyToLog(void (*command)(ProgramState&));
    // The entry the user selected in the list, or ResultsLog::kNone.
    int SelectedIndex() const;
    void ShowLog();
    void SelectEntry(int index);
    void TellIfEmpty();
    void TellCurrentEntry();

    ProgramState& m_state;
    QPlainTextEdit* m_currentResultMemo = nullptr;
    QListWidget* m_resultsMemo = nullptr;
    SpokenNotice* m_notice = nullptr;
};
