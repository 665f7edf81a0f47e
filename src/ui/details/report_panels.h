#pragma once

#include <QWidget>

#include "core/engine.h"

class QPlainTextEdit;

enum class ReportScrollBar { Vertical, None };

// A report box takes the whole rebuilt text in one assignment.
void ShowReportLines(QPlainTextEdit* memo, const ReportLines& lines);

// `CalculationPanel`: one text box filling the panel.
class CalculationPanel : public QWidget {
    Q_OBJECT

  public:
    explicit CalculationPanel(QWidget* parent = nullptr);

    QPlainTextEdit* Memo() const { return m_memo; }

  private:
    QPlainTextEdit* m_memo = nullptr;
};

// The Targeting, Resources and Basic Stats panels: the attacker's text box on the left,
// the defender's on the right, each as wide as half the panel plus one pixel.
class SplitReportPanel : public QWidget {
    Q_OBJECT

  public:
    SplitReportPanel(const QString& name, const QString& attMemoName, const QString& defMemoName,
                     ReportScrollBar scrollBar, QWidget* parent = nullptr);

    QPlainTextEdit* AttMemo() const { return m_attMemo; }
    QPlainTextEdit* DefMemo() const { return m_defMemo; }

    // The window's resize rule for this panel; the boxes overlap by one or two pixels
    // rather than leave a gap.
    void FitMemos();

  private:
    QPlainTextEdit* m_attMemo = nullptr;
    QPlainTextEdit* m_defMemo = nullptr;
};
