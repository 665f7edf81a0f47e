#pragma once

#include "data/display_settings.h"

// The colour values that are no plain 0x00BBGGRR: "no colour", the control's default colour,
// and the system colours (0x80000000 + index), which each front end maps to its platform's
// nearest colour by their kind.
inline constexpr ColorValue kNoColor = 0x1FFFFFFF;
inline constexpr ColorValue kDefaultColor = 0x20000000;

enum class SystemColor {
    Face,  // desktop, work space, button face, menu, menu bar
    Window,
    TipBackground,
    TipText,
    Highlight,  // highlight, menu highlight
    HighlightedText,
    Mid,         // button shadow, grey text
    Light,       // button highlight, 3D light
    Shadow,      // 3D dark shadow, window frame
    ButtonText,  // button text, menu text
    WindowText,  // every other index
};

bool IsSystemColor(ColorValue value);
// The kind of a system colour's index, the low byte of `value`.
SystemColor SystemColorOf(ColorValue value);
