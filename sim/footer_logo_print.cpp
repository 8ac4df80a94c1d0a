#include "sim/footer_logo_print.h"

#include <algorithm>

namespace orvik::sim {

namespace {

std::u16string Centered(std::u16string text, std::size_t width) {
    text = text.substr(0, width);
    return std::u16string((width - text.size()) / 2, u' ') + text;
}

int HexValue(char16_t ch) {
    if (ch >= u'0' && ch <= u'9') {
        return ch - u'0';
    }
    if (ch >= u'A' && ch <= u'F') {
        return ch - u'A' + 10;
    }
    if (ch >= u'a' && ch <= u'f') {
        return ch - u'a' + 10;
    }
    return 0;
}

// Whether the loaded row has a dot at x (a set bit, the leftmost dot in the high bit).
bool IsDot(const std::u16string& row, std::size_t x) {
    const std::size_t digit = x / 4;
    return digit < row.size() && (HexValue(row[digit]) & (0x8 >> (x % 4))) != 0;
}

// The shade of a cell by the share of its dots that are printed.
char16_t Shade(std::size_t dots, std::size_t cell) {
    static constexpr char16_t kShades[] = {u' ', u'░', u'▒', u'▓', u'█'};
    if (dots == 0) {
        return kShades[0];
    }
    if (dots == cell) {
        return kShades[4];
    }
    return kShades[1 + std::min<std::size_t>(2, dots * 3 / cell)];
}

}  // namespace

std::vector<std::u16string> FooterLinePrintout(const FooterLine& line, std::size_t width) {
    std::u16string text = line.text;
    if (line.format & 1) {
        std::u16string spaced;
        for (const char16_t ch : text) {
            if (!spaced.empty()) {
                spaced += u' ';
            }
            spaced += ch;
        }
        text = std::move(spaced);
    }
    std::u16string printed = Centered(std::move(text), width);
    if (line.format & 2) {
        return {printed, printed};
    }
    return {printed};
}

std::vector<std::u16string> LogoPrintout(const ProgrammedSettings& settings, std::size_t width) {
    const std::size_t height =
        std::min(static_cast<std::size_t>(std::max(settings.logoHeight, 0)), kLogoLineCount);
    if (height == 0 || width == 0) {
        return {};
    }
    std::size_t dotsAcross = 0;
    for (std::size_t row = 0; row < height; ++row) {
        dotsAcross = std::max(dotsAcross, settings.logoRows[row].size() * 4);
    }
    if (dotsAcross == 0) {
        return {};
    }
    const std::size_t cellWidth = std::max<std::size_t>(1, (dotsAcross + width - 1) / width);
    const std::size_t cellHeight = cellWidth <= 2 ? 2 : 4;
    const std::size_t columns = (dotsAcross + cellWidth - 1) / cellWidth;
    std::vector<std::u16string> lines;
    for (std::size_t top = 0; top < height; top += cellHeight) {
        std::u16string line;
        for (std::size_t column = 0; column < columns; ++column) {
            std::size_t dots = 0;
            std::size_t cell = 0;
            for (std::size_t y = top; y < std::min(top + cellHeight, height); ++y) {
                for (std::size_t x = column * cellWidth;
                     x < std::min((column + 1) * cellWidth, dotsAcross); ++x) {
                    ++cell;
                    dots += IsDot(settings.logoRows[y], x) ? 1 : 0;
                }
            }
            line += Shade(dots, cell);
        }
        lines.push_back(Centered(std::move(line), width));
    }
    return lines;
}

}  // namespace orvik::sim
