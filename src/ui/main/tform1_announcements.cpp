#include "core/readouts.h"
#include "ui/common/qt_text.h"
#include "ui/common/spoken_description.h"
#include "ui/main/tform1.h"

// The outcome, the number and the efficiency, as a screen reader says the result.
QString TForm1::ResultSummary() const {
    const ResultTexts& results = CurrentResults(m_state);
    QString summary = ToQString(results.CombatText).trimmed() + QLatin1Char(' ') +
                      ToQString(results.DefShips).trimmed();
    if (!results.Efficiency.empty()) {
        summary += QStringLiteral(", resource efficiency ") + ToQString(results.Efficiency);
    }
    return summary;
}

// A list's edit field may be what a screen reader follows while the arrow keys change the
// list's text, so it carries the result too.
std::array<QWidget*, 5> TForm1::ResultCarriers() const {
    return {m_attShips, m_attShipList, m_attShipList->lineEdit(), m_defShipList,
            m_defShipList->lineEdit()};
}

// A screen reader reads a control's description after its name, so the count box and both
// lists, whose every change recalculates, carry the result.
void TForm1::DescribeResult() {
    const QString summary = ResultSummary();
    for (QWidget* carrier : ResultCarriers()) {
        carrier->setAccessibleDescription(summary);
    }
}

// Through the focused input, whose description the result is; the focus stays where it is.
// Of a list and its edit field, the reader ignores the one it does not follow.
void TForm1::AnnounceResult() {
    for (QWidget* carrier : ResultCarriers()) {
        if (carrier->hasFocus() || carrier->parentWidget()->hasFocus()) {
            TellDescriptionChanged(*carrier);
        }
    }
}
