#include "ui/common/colors.h"

#include <QApplication>
#include <QPalette>

namespace {

constexpr ColorValue kSystemColorFlag = 0x80000000;
constexpr ColorValue kNoColor = 0x1FFFFFFF;
constexpr ColorValue kDefaultColor = 0x20000000;

QPalette::ColorRole PaletteRoleFor(unsigned index) {
    switch (index) {
        case 1:   // desktop background
        case 12:  // application work space
        case 15:  // button face
        case 4:   // menu
        case 30:  // menu bar
            return QPalette::Button;
        case 5:  // window
            return QPalette::Base;
        case 24:  // tooltip background
            return QPalette::ToolTipBase;
        case 23:  // tooltip text
            return QPalette::ToolTipText;
        case 13:  // highlight
        case 29:  // menu highlight
            return QPalette::Highlight;
        case 14:  // highlighted text
            return QPalette::HighlightedText;
        case 16:  // button shadow
        case 17:  // grey text
            return QPalette::Mid;
        case 20:  // button highlight
        case 22:  // 3D light
            return QPalette::Light;
        case 21:  // 3D dark shadow
        case 6:   // window frame
            return QPalette::Shadow;
        case 18:  // button text
        case 7:   // menu text
            return QPalette::ButtonText;
        default:
            return QPalette::WindowText;
    }
}

}  // namespace

QColor ToQColor(ColorValue value) {
    if (value == kNoColor) {
        return Qt::transparent;
    }
    if (value == kDefaultColor) {
        return QApplication::palette().color(QPalette::Window);
    }
    if ((value & 0xFF000000) == kSystemColorFlag) {
        return QApplication::palette().color(PaletteRoleFor(value & 0xFF));
    }
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}
