#include "ui/details/results_log.h"

#include <algorithm>

void ResultsLog::Select(int index) {
    m_selected = index >= 0 && index < Count() ? index : kNone;
}

void ResultsLog::Add(const QString& line) {
    m_entries.append(line);
    m_selected = Count() - 1;
}

void ResultsLog::Delete() {
    if (m_selected == kNone) {
        return;
    }
    m_entries.removeAt(m_selected);
    m_selected = Count() == 0 ? kNone : std::min(m_selected, Count() - 1);
}

void ResultsLog::Clear() {
    m_entries.clear();
    m_selected = kNone;
}

void ResultsLog::Insert(const QString& line) {
    if (m_selected == kNone) {
        m_entries.append(line);
        return;
    }
    m_entries.insert(m_selected, line);
}

void ResultsLog::MoveUp() {
    if (m_selected >= 1) {
        Swap(m_selected, m_selected - 1);
    }
}

void ResultsLog::MoveDown() {
    if (m_selected != kNone && m_selected <= Count() - 2) {
        Swap(m_selected, m_selected + 1);
    }
}

QString ResultsLog::CopiedText() const {
    QString text;
    for (const QString& entry : m_entries) {
        text += entry + QStringLiteral("\r\n");
    }
    return text;
}

void ResultsLog::Swap(int from, int to) {
    m_entries.swapItemsAt(from, to);
    m_selected = to;
}
