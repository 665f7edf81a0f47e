#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

// The results log as the user expects it to behave, kept beside the window to check it
// against: entries and the selected row, changed by the panel's buttons.
class LogModel {
  public:
    QStringList Entries() const { return {m_rows.begin(), m_rows.end()}; }
    // The selected row, or -1.
    int Selected() const { return m_selected ? *m_selected : -1; }

    void Select(int row) {
        m_selected = row >= 0 && row < Size() ? std::optional<int>(row) : std::nullopt;
    }
    void Add(const QString& line) {
        m_rows.push_back(line);
        m_selected = Size() - 1;
    }
    // The row below moves up into the selection; after the last row, the new last row.
    void Delete() {
        if (!m_selected) {
            return;
        }
        m_rows.erase(m_rows.begin() + *m_selected);
        if (Size() == 0) {
            m_selected.reset();
        } else if (*m_selected == Size()) {
            m_selected = Size() - 1;
        }
    }
    void Clear() {
        m_rows.clear();
        m_selected.reset();
    }
    // Before the selected row, taking over its selection; at the end without a selection.
    void Insert(const QString& line) {
        m_rows.insert(m_selected ? m_rows.begin() + *m_selected : m_rows.end(), line);
    }
    // The selected row trades places with its neighbour `by` rows away, when there is one.
    void Move(int by) {
        if (!m_selected || *m_selected + by < 0 || *m_selected + by >= Size()) {
            return;
        }
        std::swap(m_rows[static_cast<std::size_t>(*m_selected)],
                  m_rows[static_cast<std::size_t>(*m_selected + by)]);
        *m_selected += by;
    }
    QString CopiedText() const {
        QString text;
        for (const QString& row : m_rows) {
            text += row + QLatin1String("\r\n");
        }
        return text;
    }

  private:
    int Size() const { return static_cast<int>(m_rows.size()); }

    std::vector<QString> m_rows;
    std::optional<int> m_selected;
};
