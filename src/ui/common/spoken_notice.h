#pragma once

#include <QString>
#include <QWidget>

class QAccessibleInterface;

// What a screen reader should say without the focus moving: a hidden child, seen only by
// assistive tools, as a notification whose showing a screen reader speaks wherever the focus
// is. Orca 43 speaks no announcement event, and Qt 6.4 sends a name or description change
// without its text, so a notification is the one way that carries any words.
class SpokenNotice : public QWidget {
    Q_OBJECT

  public:
    explicit SpokenNotice(QWidget& parent);

    const QString& Text() const { return m_text; }

    void Say(const QString& text);

  private:
    QString m_text;
};

// A SpokenNotice, shown to assistive tools as a notification named by its text; installed
// once at start-up.
QAccessibleInterface* SpokenNoticeAccessibleFactory(const QString& key, QObject* object);
