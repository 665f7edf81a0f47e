#pragma once

#include <QString>
#include <QStringList>

// What the results log must hold after each of its commands: the entries and the one
// selected entry (-1 for none), worked out independently of the window.
class ResultsLogModel {
  public:
    const QStringList& Entries() const { return m_entries; }
    int Selected() const { return m_selected; }

    void Add(const QString& line) {
        m_entries << line;
        m_selected = Count() - 1;
    }

    void Delete() {
        if (m_selected < 0) {
            return;
        }
        m_entries.removeAt(m_selected);
        m_selected = m_selected >= Count() ? Count() - 1 : -1;
    }

    void Clear() {
        m_entries.clear();
        m_selected = -1;
    }

    void Insert(const QString& line) {
        if (m_selected < 0) {
            m_entries << line;
            return;
        }
        m_entries.insert(m_selected, line);
    }

    void MoveUp() {
        if (m_selected >= 1) {
            m_entries.swapItemsAt(m_selected, m_selected - 1);
            --m_selected;
        }
    }

    void MoveDown() {
        if (m_selected >= 0 && m_selected <= Count() - 2) {
            m_entries.swapItemsAt(m_selected, m_selected + 1);
            ++m_selected;
        }
    }

    void Select(int row) { m_selected = row; }

    // Every entry followed by CR LF, as Copy puts it on the clipboard.
    QString CopiedText() const {
        QString text;
        for (const QString& entry : m_entries) {
            text += entry + QStringLiteral("\r\n");
        }
        return text;
    }

  private:
    int Count() const { return static_cast<int>(m_entries.size()); }

    QStringList m_entries;
    int m_selected = -1;
};
