#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "console/footer_lines.h"

// The footer file of `orvik-cli set-footer-lines`: UTF-8 text, one footer line per line, each
// either its TEXT alone or flags, one blank and the TEXT. The flags are the letters J (also on
// the journal tape), W (double width) and H (double height), each at most once and in that
// order: "JW Спасибо за покупку!". At most ten lines; a file without any (empty, or blank lines
// only) erases the footer when the caller allows it.
namespace orvik::cli {

struct FooterFileRead {
    std::vector<console::FooterLine> lines;
    std::string error;  // why the file is refused; empty when it was read
};

FooterFileRead ParseFooterFile(std::string_view bytes);
FooterFileRead ReadFooterFile(const std::filesystem::path& path);

}  // namespace orvik::cli
