#include "ui/details/report_panels.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QVBoxLayout>

#include "ui/common/accessibility.h"
#include "ui/common/qt_text.h"

namespace {

QPlainTextEdit* NewReportMemo(const QString& name, ReportScrollBar scrollBar, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    MakeReadingBox(*memo);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(
        scrollBar == ReportScrollBar::Vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return memo;
}

}  // namespace

void ShowReportLines(QPlainTextEdit* memo, const ReportLines& lines) {
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) {
        text << ToQString(line);
    }
    memo->setPlainText(text.join(QLatin1Char('\n')));
}

CalculationPanel::CalculationPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CalculationPanel"));
    m_memo = NewReportMemo(QStringLiteral("CalculationMemo"), ReportScrollBar::Vertical, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_memo);
}

SplitReportPanel::SplitReportPanel(const QString& name, const QString& attMemoName,
                                   const QString& defMemoName, ReportScrollBar scrollBar,
                                   QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    m_attMemo = NewReportMemo(attMemoName, scrollBar, this);
    m_defMemo = NewReportMemo(defMemoName, scrollBar, this);
}

void SplitReportPanel::FitMemos() {
    const int memoWidth = width() / 2 + 1;
    m_attMemo->setGeometry(0, 0, memoWidth, height());
    m_defMemo->setGeometry(width() - memoWidth, 0, memoWidth, height());
}
