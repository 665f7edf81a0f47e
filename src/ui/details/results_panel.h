#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "core/engine.h"

class QListWidget;
class QPlainTextEdit;
class SpokenNotice;

// `ResultsPanel`: the current result line and the results log, which the user fills from
// the current result line, arranges and copies to the clipboard. The panel shows the engine's
// results log, which holds the log's rules, and builds its buttons and keys from the engine's
// table of log commands; the log lives only in memory and outlasts hiding the window.
class ResultsPanel : public QWidget {
    Q_OBJECT

  public:
    explicit ResultsPanel(Engine& engine, QWidget* parent = nullptr);

    // "Current Result..." and the ResultLine, scrolled to the first line.
    void ShowCurrentResult();

    // The log's background is the window's; the panel's and the log's text colour.
    void ApplyColors(const QColor& background, const QColor& text);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* CreateButtonStrip();
    QListWidget* CreateResultsLog();

    void AddButton(const LogCommandRow& row, QWidget* strip);
    // The log takes the user's selection and the command; Copy also fills the clipboard.
    void RunCommand(LogCommand command);
    // The entry the user selected in the list, or ResultsLog::kNone.
    int SelectedIndex() const;
    void ShowLog();
    void ShowEntries();
    void SelectEntry(int index);
    void TellIfEmpty();
    void TellCurrentEntry();

    Engine& m_engine;
    const ProgramState& m_state = m_engine.State();
    QPlainTextEdit* m_currentResultMemo = nullptr;
    QListWidget* m_resultsMemo = nullptr;
    SpokenNotice* m_notice = nullptr;
};
