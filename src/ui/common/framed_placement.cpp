#include "ui/common/framed_placement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

FramedPlacement::FramedPlacement(QWidget& window, Area area, std::optional<QSize> outerSize)
    : QObject(&window), m_window(window), m_area(std::move(area)), m_outerSize(outerSize) {
    m_window.installEventFilter(this);
}

void FramedPlacement::Place() {
    const QMargins frame = FrameMargins();
    m_placedWithFrame = frame;
    if (m_outerSize) {
        m_window.resize(m_outerSize->shrunkBy(frame));
    }
    QRect outer(QPoint(), m_window.size().grownBy(frame));
    outer.moveCenter(m_area().center());
    m_window.move(outer.topLeft());
}

bool FramedPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && FrameArrivedSincePlaced()) {
        QMetaObject::invokeMethod(this, &FramedPlacement::Place, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

QMargins FramedPlacement::FrameMargins() const {
    const QWindow* handle = m_window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

bool FramedPlacement::FrameArrivedSincePlaced() const {
    return m_placedWithFrame && m_placedWithFrame->isNull() && !FrameMargins().isNull();
}
