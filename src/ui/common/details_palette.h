#pragma once

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QWidget>
#include <initializer_list>
#include <utility>

// The platform's button-face grey, for the panels that ignore the colour settings.
inline QColor StandardPanelColor() {
    return QApplication::palette().color(QPalette::Button);
}

// Sets exactly these roles as the widget's own; every other role keeps following the
// parent, so a later change of the window's colours still reaches it.
inline void SetOwnColors(QWidget* widget,
                         std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colors) {
    QPalette palette;
    for (const auto& [role, color] : colors) {
        palette.setColor(role, color);
    }
    widget->setPalette(palette);
}
