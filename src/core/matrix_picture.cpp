#include "core/matrix_picture.h"

#include <cmath>
#include <concepts>

#include "core/heat_scale.h"

namespace {

// The picture's text, written piece by piece; the page's module has no streams to carry.
class SvgText {
  public:
    SvgText& operator<<(std::string_view text) {
        m_text += text;
        return *this;
    }
    SvgText& operator<<(char c) {
        m_text += c;
        return *this;
    }
    template <std::integral Number>
    SvgText& operator<<(Number number) {
        m_text += std::to_string(number);
        return *this;
    }
    std::string Take() { return std::move(m_text); }

  private:
    std::string m_text;
};

// A stop's place along the gradient, in tenths of a percent: "11.1%".
std::string StopOffset(std::size_t stop) {
    const std::size_t tenths =
        (stop * 1000 + (kHeatStops.size() - 1) / 2) / (kHeatStops.size() - 1);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
}

// The picture's measures in pixels: the squares, the names' room on each axis, the title's.
constexpr int kCell = 14;
constexpr int kRowNames = 130;
constexpr int kColumnNames = 120;
constexpr int kTitle = 70;
constexpr int kLeft = kRowNames + 10;
constexpr int kTop = kTitle + kColumnNames;
constexpr int kSide = kCell * static_cast<int>(kShipCount);
constexpr int kLegendTop = kTop + kSide + 24;
constexpr int kLegendWidth = 420;
constexpr int kWidth = kLeft + kSide + 20;
constexpr int kHeight = kLegendTop + 70;
// The built-in table has no header line of its own.
constexpr std::string_view kBuiltInTitle = "the built-in table";

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

const std::string& NameOf(const ShipTable& table, std::size_t row) {
    return table[row][Col::ShipName];
}

// The hatch that marks a pairing without a target, and the scale's gradient.
void WriteDefinitions(SvgText& out) {
    out << "<defs>\n<pattern id=\"no-target\" width=\"6\" height=\"6\" "
           "patternUnits=\"userSpaceOnUse\">"
        << "<rect width=\"6\" height=\"6\" fill=\"" << CssColorText(kNoTargetBack) << "\"/>"
        << "<path d=\"M0 6L6 0\" stroke=\"" << CssColorText(kNoTargetHatch)
        << "\" stroke-width=\"1\"/></pattern>\n<linearGradient id=\"scale\">";
    for (std::size_t i = 0; i < kHeatStops.size(); ++i) {
        out << "<stop offset=\"" << StopOffset(i) << "\" stop-color=\""
            << CssColorText(kHeatStops[i]) << "\"/>";
    }
    out << "</linearGradient>\n</defs>\n";
}

void WriteTitle(SvgText& out, std::int64_t count, std::string_view tableTitle) {
    out << "<text x=\"10\" y=\"22\" font-size=\"16\" font-weight=\"bold\">Resource efficiency of "
           "every pairing at "
        << count << " ships</text>\n"
        << "<text x=\"10\" y=\"42\">Table: "
        << (tableTitle.empty() ? std::string(kBuiltInTitle) : Escaped(tableTitle)) << "</text>\n"
        << "<text x=\"10\" y=\"60\">Rows: attackers. Columns: defenders.</text>\n";
}

void WriteNames(SvgText& out, const ShipTable& table) {
    out << "<g font-size=\"11\" text-anchor=\"end\">\n";
    for (std::size_t row = 0; row < kShipCount; ++row) {
        out << "<text x=\"" << kLeft - 4 << "\" y=\"" << kTop + kCell * static_cast<int>(row) + 11
            << "\">" << Escaped(NameOf(table, row)) << "</text>\n";
    }
    out << "</g>\n<g font-size=\"11\">\n";
    for (std::size_t column = 0; column < kShipCount; ++column) {
        out << "<text transform=\"translate(" << kLeft + kCell * static_cast<int>(column) + 11
            << ' ' << kTop - 4 << ") rotate(-90)\">" << Escaped(NameOf(table, column))
            << "</text>\n";
    }
    out << "</g>\n";
}

// One square a pairing, row-major, each with its pair and figures as a tooltip.
void WriteCells(SvgText& out, const ShipTable& table, const std::vector<MatrixCell>& cells) {
    out << "<g id=\"cells\">\n";
    for (std::size_t att = 0; att < kShipCount; ++att) {
        for (std::size_t def = 0; def < kShipCount; ++def) {
            const MatrixCell& cell = cells[att * kShipCount + def];
            const std::optional<Rgb> color = CellColor(cell);
            out << "<rect x=\"" << kLeft + kCell * static_cast<int>(def) << "\" y=\""
                << kTop + kCell * static_cast<int>(att) << "\" width=\"" << kCell << "\" height=\""
                << kCell << "\" fill=\"" << (color ? CssColorText(*color) : "url(#no-target)")
                << "\"><title>" << Escaped(NameOf(table, att)) << " v "
                << Escaped(NameOf(table, def)) << ": " << MatrixFigureText(cell)
                << "</title></rect>\n";
        }
    }
    out << "</g>\n";
}

void WriteLegend(SvgText& out) {
    out << "<g font-size=\"11\">\n<text x=\"" << kLeft << "\" y=\"" << kLegendTop - 6 << "\">"
        << kHeatScaleTitle << "</text>\n<rect x=\"" << kLeft << "\" y=\"" << kLegendTop
        << "\" width=\"" << kLegendWidth << "\" height=\"14\" fill=\"url(#scale)\"/>\n";
    for (const HeatTick& tick : HeatTicks()) {
        const long x = kLeft + std::lround(tick.Position * kLegendWidth);
        const char* anchor = tick.Position == 0 ? "start" : (tick.Position == 1 ? "end" : "middle");
        out << "<path d=\"M" << x << ' ' << kLegendTop + 14 << "v5\" stroke=\"#000\"/>"
            << "<text x=\"" << x << "\" y=\"" << kLegendTop + 30 << "\" text-anchor=\"" << anchor
            << "\">" << tick.Label << "</text>\n";
    }
    const int swatch = kLeft + kLegendWidth + 40;
    out << "<rect x=\"" << swatch << "\" y=\"" << kLegendTop << "\" width=\"14\" height=\"14\" "
        << "fill=\"url(#no-target)\" stroke=\"#000\"/>\n<text x=\"" << swatch + 20 << "\" y=\""
        << kLegendTop + 11 << "\">" << kNoTargetText << "</text>\n</g>\n";
}

}  // namespace

std::string MatrixFigureText(const MatrixCell& cell) {
    if (cell.Efficiency.empty()) {
        return "no target";
    }
    return std::to_string(cell.Result) + " stopped, " + cell.Efficiency + "%";
}

std::string MatrixSvg(const ShipTable& table, const std::vector<MatrixCell>& cells,
                      std::int64_t count, std::string_view tableTitle) {
    SvgText out;
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kWidth << "\" height=\""
        << kHeight << "\" viewBox=\"0 0 " << kWidth << ' ' << kHeight
        << "\" font-family=\"Arial, Helvetica, sans-serif\" font-size=\"13\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
    WriteDefinitions(out);
    WriteTitle(out, count, tableTitle);
    WriteNames(out, table);
    WriteCells(out, table, cells);
    WriteLegend(out);
    out << "</svg>\n";
    return out.Take();
}
