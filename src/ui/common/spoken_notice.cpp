#include "ui/common/spoken_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class SpokenNoticeAccessible : public QAccessibleWidget {
  public:
    explicit SpokenNoticeAccessible(SpokenNotice* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<const SpokenNotice*>(widget())->Text()
                                         : QString();
    }
};

}  // namespace

QAccessibleInterface* SpokenNoticeAccessibleFactory(const QString&, QObject* object) {
    auto* notice = qobject_cast<SpokenNotice*>(object);
    return notice != nullptr ? new SpokenNoticeAccessible(notice) : nullptr;
}

// Never shown: the parent's showing would otherwise make a screen reader say an empty notice.
SpokenNotice::SpokenNotice(QWidget& parent) : QWidget(&parent) {
    setObjectName(QStringLiteral("SpokenNotice"));
    setFocusPolicy(Qt::NoFocus);
    hide();
}

// The event alone makes a screen reader read the notice; nothing appears on the screen.
void SpokenNotice::Say(const QString& text) {
    m_text = text;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
