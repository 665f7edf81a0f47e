#pragma once

#include <QRect>

// Left, top, width and height of the main window's controls in pixels: within the Menu
// strip for its six labels, within the window for the rest.
namespace tform1_layout {

inline constexpr QSize ClientSize{132, 126};

inline constexpr QRect Menu{0, 0, 132, 21};
// Taller than the strip: its lower edge is cut off, so the top edge of AppBorder divides
// the strip from the rest of the window.
inline constexpr QRect MenuBorder{0, 0, 132, 23};
inline constexpr QRect DetailsBtn{5, 3, 39, 15};
inline constexpr QRect HelpBtn{52, 3, 7, 15};
inline constexpr QRect ClipBtn{66, 3, 9, 15};
inline constexpr QRect MoveBtn{51, 3, 39, 15};
inline constexpr QRect MinBtn{94, 1, 15, 16};
inline constexpr QRect CloseBtn{113, 3, 15, 15};

inline constexpr QRect AppBorder{0, 21, 132, 105};
inline constexpr QRect AttShips{5, 24, 102, 16};
inline constexpr QRect TargetText{46, 24, 19, 17};
inline constexpr QRect SpinUpBtn{107, 25, 11, 13};
inline constexpr QRect SpinDownBtn{116, 24, 11, 13};
inline constexpr QRect AttShipList{10, 38, 90, 22};
inline constexpr QRect AttShip{2, 40, 109, 18};
inline constexpr QRect AttListBtn{108, 37, 21, 19};
inline constexpr QRect CombatText{2, 57, 72, 18};
inline constexpr QRect Efficiency{74, 57, 51, 17};
inline constexpr QRect DefShips{5, 74, 102, 19};
inline constexpr QRect TargetDisplay{108, 74, 18, 19};
inline constexpr QRect ListBtnOverlay{83, 72, 23, 23};
inline constexpr QRect DefShipList{10, 88, 90, 22};
inline constexpr QRect DefShip{2, 91, 109, 22};
inline constexpr QRect DefListBtn{108, 88, 21, 19};
inline constexpr QRect ClassText{5, 108, 54, 16};
inline constexpr QRect InitText{57, 108, 68, 13};

// A closed list sits at this left and width; an open one spans the window but for a pixel
// on each side.
inline constexpr int ClosedListLeft = 10;
inline constexpr int ClosedListWidth = 90;
inline constexpr int DroppedListLeft = 1;
inline constexpr int DroppedListMargin = 2;

// Pixel heights of the glyph captions.
inline constexpr int MinGlyphSize = 16;
inline constexpr int CloseGlyphSize = 15;
inline constexpr int SpinGlyphSize = 13;
inline constexpr int ListGlyphSize = 19;

// The window font is Arial bold 12 pixels; the lists use Arial 11 pixels.
inline constexpr int WindowFontSize = 12;
inline constexpr int ListFontSize = 11;

}  // namespace tform1_layout
