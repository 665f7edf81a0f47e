#pragma once

#include <QColor>

#include "data/display_settings.h"

// An ordinary colour is 0x00BBGGRR; system colours (0x80000000 + index) map to the
// nearest palette role, "no colour" to transparent and the default colour to the
// palette's window colour.
QColor ToQColor(ColorValue value);
