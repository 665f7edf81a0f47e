#include "ui/common/setup_look.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

void UseStandardPanelColors(QWidget& widget) {
    const QPalette standard = QApplication::palette();
    QPalette palette = widget.palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            if (r != QPalette::NoRole) {
                palette.setColor(g, r, standard.color(g, r));
            }
        }
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void SetTextColor(QWidget& widget, const QColor& color) {
    QPalette palette = widget.palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(group, role, color);
        }
    }
    widget.setPalette(palette);
}

void SetFillColor(QWidget& widget, const QColor& color) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}
