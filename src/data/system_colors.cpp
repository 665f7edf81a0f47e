#include "data/system_colors.h"

namespace {

constexpr ColorValue kSystemColorFlag = 0x80000000;
constexpr ColorValue kFlagMask = 0xFF000000;
constexpr ColorValue kIndexMask = 0xFF;

}  // namespace

bool IsSystemColor(ColorValue value) {
    return (value & kFlagMask) == kSystemColorFlag;
}

SystemColor SystemColorOf(ColorValue value) {
    switch (value & kIndexMask) {
        case 1:   // desktop background
        case 12:  // application work space
        case 15:  // button face
        case 4:   // menu
        case 30:  // menu bar
            return SystemColor::Face;
        case 5:
            return SystemColor::Window;
        case 24:
            return SystemColor::TipBackground;
        case 23:
            return SystemColor::TipText;
        case 13:  // highlight
        case 29:  // menu highlight
            return SystemColor::Highlight;
        case 14:
            return SystemColor::HighlightedText;
        case 16:  // button shadow
        case 17:  // grey text
            return SystemColor::Mid;
        case 20:  // button highlight
        case 22:  // 3D light
            return SystemColor::Light;
        case 21:  // 3D dark shadow
        case 6:   // window frame
            return SystemColor::Shadow;
        case 18:  // button text
        case 7:   // menu text
            return SystemColor::ButtonText;
        default:
            return SystemColor::WindowText;
    }
}
