#include "core/readouts.h"

#include <gtest/gtest.h>

#include <utility>

TEST(CssColor, PlainColoursAsHexAndTheOthersAsCssNames) {
    const std::pair<ColorValue, const char*> cases[] = {
        {0x00000000, "#000000"},      {0x00FF0000, "#0000ff"},       {0x000080FF, "#ff8000"},
        {0x00F0CAA6, "#a6caf0"},      {0x00800000, "#000080"},       {0x1FFFFFFF, "transparent"},
        {0x20000000, "Canvas"},       {0x8000000F, "ButtonFace"},    {0x80000005, "Field"},
        {0x8000000D, "Highlight"},    {0x8000000E, "HighlightText"}, {0x80000011, "GrayText"},
        {0x80000006, "ButtonBorder"}, {0x80000007, "ButtonText"},    {0x80000063, "CanvasText"},
        {0x81000005, "#050000"},
    };
    for (const auto& [value, css] : cases) {
        EXPECT_EQ(CssColor(value), css) << std::hex << value;
    }
}
