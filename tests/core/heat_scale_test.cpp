#include "core/heat_scale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "core/matrix_picture.h"
#include "data/default_ships.h"

namespace {

// Relative luminance of an sRGB colour: what a grey print keeps of it.
double Luminance(Rgb color) {
    const auto linear = [](std::uint8_t channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.Red) + 0.7152 * linear(color.Green) + 0.0722 * linear(color.Blue);
}

MatrixCell CellOf(std::int64_t result, std::string efficiency) {
    return {CombatVariantValue::NoTarget, result, std::move(efficiency)};
}

}  // namespace

TEST(HeatScale, FiguresStandOnALogScaleFromTenToOneThousandPercent) {
    EXPECT_EQ(HeatPosition("10"), 0.0);
    EXPECT_EQ(HeatPosition("100"), 0.5);
    EXPECT_EQ(HeatPosition("1000"), 1.0);
    // log10(5) / 2 and log10(2) / 2.
    EXPECT_NEAR(HeatPosition("50"), 0.349485, 1e-6);
    EXPECT_NEAR(HeatPosition("200"), 0.650515, 1e-6);
    EXPECT_EQ(HeatPosition("9"), 0.0);
    // Nothing, a wrapped negative figure and the float's largest all stay on the scale.
    EXPECT_EQ(HeatPosition("0"), 0.0);
    EXPECT_EQ(HeatPosition("-9223372036854775808"), 0.0);
    EXPECT_EQ(HeatPosition("340282346638528859811704183484516925440"), 1.0);
    EXPECT_EQ(HeatPosition("-340282346638528859811704183484516925440"), 0.0);
    EXPECT_EQ(HeatPosition("9223372036854775807"), 1.0);
    EXPECT_EQ(HeatPosition("1001"), 1.0);
}

TEST(HeatScale, ColoursAreTheStopsAndStraightBlendsBetweenThem) {
    for (std::size_t i = 0; i < kHeatStops.size(); ++i) {
        EXPECT_EQ(HeatColor(static_cast<double>(i) / 9), kHeatStops[i]) << i;
    }
    // By hand: the middle (100%) is halfway from stop 4 to stop 5, a quarter of the way is a
    // quarter from stop 2 to 3, three quarters three quarters from stop 6 to 7; halves
    // round up.
    EXPECT_EQ(CssColorText(HeatColor(0.5)), "#23908c");
    EXPECT_EQ(CssColorText(HeatColor(0.25)), "#3b528a");
    EXPECT_EQ(CssColorText(HeatColor(0.75)), "#5fc861");
    EXPECT_EQ(CssColorText(HeatColor(-3)), "#440154");
    EXPECT_EQ(CssColorText(HeatColor(7)), "#fde725");
}

TEST(HeatScale, LightnessRisesAlongTheWholeScaleSoItPrintsInGrey) {
    for (std::size_t i = 1; i < kHeatStops.size(); ++i) {
        EXPECT_GT(Luminance(kHeatStops[i]), Luminance(kHeatStops[i - 1]) + 0.02) << i;
    }
    // Between the stops, rounding to whole channel values may dip by less than a grey
    // level of an 8-bit print (1/255), never more.
    double previous = -1;
    for (int step = 0; step <= 1000; ++step) {
        const double now = Luminance(HeatColor(step / 1000.0));
        EXPECT_GT(now, previous - 1.0 / 255) << step;
        previous = std::max(previous, now);
    }
    // The no-target hatch stands apart from both ends.
    EXPECT_GT(Luminance(kNoTargetBack), Luminance(kHeatStops.back()) + 0.2);
}

TEST(HeatScale, CellsWithoutATargetHaveNoColour) {
    EXPECT_FALSE(CellColor(CellOf(0, "")));
    EXPECT_EQ(CellColor(CellOf(7, "100")), HeatColor(0.5));
    EXPECT_EQ(MatrixFigureText(CellOf(0, "")), "no target");
    EXPECT_EQ(MatrixFigureText(CellOf(123, "45")), "123 stopped, 45%");
    EXPECT_EQ(MatrixFigureText(CellOf(-4, "-12")), "-4 stopped, -12%");
}

TEST(HeatScale, LegendMarksOneTwoAndFiveTimesEachPowerOfTen) {
    const std::vector<HeatTick> ticks = HeatTicks();
    const std::vector<std::pair<std::string, double>> expected = {
        {"10%", 0},         {"20%", 0.150515},  {"50%", 0.349485}, {"100%", 0.5},
        {"200%", 0.650515}, {"500%", 0.849485}, {"1,000%", 1}};
    ASSERT_EQ(ticks.size(), expected.size());
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_EQ(ticks[i].Label, expected[i].first);
        EXPECT_NEAR(ticks[i].Position, expected[i].second, 1e-6) << i;
    }
}

TEST(MatrixSvg, OneSquareAPairingInRowOrderWithTheCellsColour) {
    ShipTable table = DefaultShipTable();
    table[0][Col::ShipName] = "A&B <\xe9>";
    std::vector<MatrixCell> cells(kShipCount * kShipCount, CellOf(1, "10"));
    cells[0] = CellOf(1, "1000");
    cells[1] = CellOf(0, "");                      // row 0, column 1
    cells[2 * kShipCount + 3] = CellOf(5, "100");  // row 2, column 3
    const std::string svg = MatrixSvg(table, cells, 250, "My \"table\"");

    EXPECT_TRUE(svg.starts_with("<svg xmlns=\"http://www.w3.org/2000/svg\""));
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
    EXPECT_NE(svg.find(">Resource efficiency of every pairing at 250 ships<"), std::string::npos);
    EXPECT_NE(svg.find(">Table: My &quot;table&quot;<"), std::string::npos);
    EXPECT_NE(svg.find(">A&amp;B &lt;\xe9&gt;</text>"), std::string::npos);
    EXPECT_EQ(svg.find("A&B"), std::string::npos);

    const std::regex rect(
        "<rect x=\"(\\d+)\" y=\"(\\d+)\" width=\"14\" height=\"14\" "
        "fill=\"([^\"]+)\"><title>([^<]*)</title>");
    std::vector<std::smatch> squares;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), rect); it != std::sregex_iterator();
         ++it) {
        squares.push_back(*it);
    }
    ASSERT_EQ(squares.size(), kShipCount * kShipCount);
    EXPECT_EQ(squares[0][3], "#fde725");
    EXPECT_EQ(squares[kShipCount][3], "#440154");
    EXPECT_EQ(squares[1][3], "url(#no-target)");
    EXPECT_EQ(squares[1][4], "A&amp;B &lt;\xe9&gt; v " + table[1][Col::ShipName] + ": no target");
    const std::smatch& pair = squares[2 * kShipCount + 3];
    EXPECT_EQ(pair[3], "#23908c");
    EXPECT_EQ(pair[4],
              table[2][Col::ShipName] + " v " + table[3][Col::ShipName] + ": 5 stopped, 100%");
    // Columns step across, rows down, 14 px apart.
    EXPECT_EQ(std::stoi(pair[1]) - std::stoi(squares[0][1]), 3 * 14);
    EXPECT_EQ(std::stoi(pair[2]) - std::stoi(squares[0][2]), 2 * 14);
}

TEST(MatrixSvg, LegendShowsTheScaleAndNamesTheHatch) {
    const std::vector<MatrixCell> cells(kShipCount * kShipCount, CellOf(1, "10"));
    const std::string svg = MatrixSvg(DefaultShipTable(), cells, 1, "");
    EXPECT_NE(svg.find(">Table: the built-in table<"), std::string::npos);
    for (const char* part :
         {">Resource efficiency, log scale: 10% or less to 1,000% or more<", ">10%<", ">50%<",
          ">1,000%<", ">No target<", "stop-color=\"#440154\"", "stop-color=\"#fde725\""}) {
        EXPECT_NE(svg.find(part), std::string::npos) << part;
    }
}
