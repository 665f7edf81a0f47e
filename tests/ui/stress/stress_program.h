#pragma once

#include <QString>
#include <QWidget>
#include <QtGlobal>

#include "program_fixture.h"

// A text as the failure messages quote it.
inline QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The offscreen platform reports every raise, lower and keyboard grab it cannot do; over
// thousands of actions those notices would bury the test's own output.
inline void DropOffscreenPlatformNotices() {
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.startsWith(QLatin1String("This plugin does not support"))) {
                previous(type, context, message);
            }
        });
}
