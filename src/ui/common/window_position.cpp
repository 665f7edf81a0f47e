#include "ui/common/window_position.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#ifdef SKIRMOD_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <optional>

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

// The window's top-left corner on its root window, in device pixels.
std::optional<QPoint> PositionOnRoot(xcb_connection_t* connection, xcb_window_t window) {
    const std::unique_ptr<xcb_get_geometry_reply_t, FreeReply> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    if (!geometry) {
        return std::nullopt;
    }
    const std::unique_ptr<xcb_translate_coordinates_reply_t, FreeReply> place(
        xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, window, geometry->root, 0, 0),
            nullptr));
    if (!place) {
        return std::nullopt;
    }
    return QPoint(place->dst_x, place->dst_y);
}

std::optional<QPoint> ServerPosition(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return std::nullopt;
    }
    const std::optional<QPoint> device =
        PositionOnRoot(x11->connection(), static_cast<xcb_window_t>(window.winId()));
    if (!device) {
        return std::nullopt;
    }
    const qreal ratio = window.devicePixelRatioF();
    return QPoint(qRound(device->x() / ratio), qRound(device->y() / ratio));
}

}  // namespace

void LearnWindowPosition(QWidget& window) {
    if (!window.isWindow() || !window.testAttribute(Qt::WA_WState_Created) || !window.isVisible()) {
        return;
    }
    const std::optional<QPoint> real = ServerPosition(window);
    const QPoint believed = window.geometry().topLeft();
    if (real && *real != believed) {
        // Moving Qt's copy to where the window already is leaves it in place on screen.
        window.move(window.pos() + (*real - believed));
    }
}

#else

void LearnWindowPosition(QWidget&) {}

#endif
