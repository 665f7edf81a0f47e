#pragma once

#include <QString>
#include <QStringList>

// The results log's entries and its one selected entry, with the rules of the panel's
// buttons. The panel shows it; the rules live here so they hold without a window.
class ResultsLog {
  public:
    static constexpr int kNone = -1;

    const QStringList& Entries() const { return m_entries; }
    // The selected entry, or kNone.
    int Selected() const { return m_selected; }

    // What the user's click selected; kNone or an index of Entries().
    void Select(int index);

    // Appends the line and selects it.
    void Add(const QString& line);
    // Removes the selected entry; the entry that takes its place is selected, or the new last
    // entry when the removed one was last, so Delete can be pressed again. Nothing happens
    // with nothing selected.
    void Delete();
    void Clear();
    // In front of the selected entry, which it replaces as the selection; at the end with
    // nothing selected, which leaves nothing selected. Insert Space inserts an empty line.
    void Insert(const QString& line);
    void MoveUp();
    void MoveDown();

    // Every entry followed by CR LF, as Copy puts the log on the clipboard.
    QString CopiedText() const;

  private:
    int Count() const { return static_cast<int>(m_entries.size()); }
    void Swap(int from, int to);

    QStringList m_entries;
    int m_selected = kNone;
};
