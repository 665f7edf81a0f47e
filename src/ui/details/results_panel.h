#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

struct ProgramState;
class QListWidget;
class QPlainTextEdit;

// `ResultsPanel`: the current result line and the results log, which the user fills from
// the current result line, arranges and copies to the clipboard. The log lives only in
// memory and outlasts hiding the window.
class ResultsPanel : public QWidget {
    Q_OBJECT

  public:
    explicit ResultsPanel(const ProgramState& state, QWidget* parent = nullptr);

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

    // The selected entry, or -1.
    int SelectedIndex() const;
    // -1 selects nothing.
    void SelectEntry(int index);
    // In front of the selected entry, which it replaces as the selection; at the end with
    // nothing selected, which leaves nothing selected.
    void InsertEntry(const QString& text);
    void MoveEntry(int from, int to);
    QString ResultLineText() const;

    const ProgramState& m_state;
    QPlainTextEdit* m_currentResultMemo = nullptr;
    QListWidget* m_resultsMemo = nullptr;
};
