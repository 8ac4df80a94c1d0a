#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "console/footer_lines.h"
#include "console/logo_bitmap.h"
#include "support/local_time.h"

// A settings profile: the settings one register should have, written once and applied to any
// number of registers by `orvik-cli apply-profile`. A text file of "key = value" lines (INI
// without sections, read with inih); "#" or ";" at the start of a line begins a comment, and
// so does " ;" after a value (not " #", which would be part of the value; a text followed by a
// comment is written in double quotes). Every key is optional and given at most once:
//
//   clock = now                 ; or HH:MM:SS
//   cutter = 1                  ; cutter and beeper go together, each 0 or 1
//   beeper = 0
//   partial-cut = 0             ; 0 or 1, where the register has it
//   header = "  ТОВ Ромашка"    ; at most 43 characters; quotes keep blanks at the ends
//   footer = Дякуємо!
//   footer-lines = footer.txt   ; a set-footer-lines file, or "erase"
//   logo = logo.bmp             ; a two-colour .bmp, or "off"
//   line-spacing = 8            ; 3 to 20 eighths of a millimetre
//   discount-print = 1          ; 0 on each line, 1 at the end of the receipt
//   article-mode = 0            ; 0 to 2
//   tax-calculation = 1         ; 0 on the receipt total, 1 on each item
//   tax-print = 0               ; 0 after each line, 1 on the total turnover
//   message-set = 2             ; 0 to 3
//   department = Відд.          ; at most 5 characters
//
// File names are read relative to the profile's folder. Every value is checked, and every
// file read, before a register is reached.
namespace orvik::cli {

struct SettingsProfile {
    bool clock = false;                               // the clock is set
    std::optional<support::LocalDateTime> clockTime;  // to this time; without, to "now"
    std::optional<std::int32_t> cutter;
    std::optional<std::int32_t> beeper;
    std::optional<std::int32_t> partialCut;
    std::optional<std::u16string> header;
    std::optional<std::u16string> footer;
    // Empty: the register's footer lines are erased.
    std::optional<std::vector<console::FooterLine>> footerLines;
    bool logo = false;  // the logo is set: to logoBitmap, or switched off when it has no row
    console::MonoBitmap logoBitmap;
    std::optional<std::int32_t> lineSpacing;
    std::optional<std::int32_t> discountPrint;
    std::optional<std::int32_t> articleMode;
    std::optional<std::int32_t> taxCalculation;
    std::optional<std::int32_t> taxPrint;
    std::optional<std::int32_t> messageSet;
    std::optional<std::u16string> department;
};

struct ProfileRead {
    SettingsProfile profile;
    std::string error;  // "line N: why", or why the file cannot be read; empty when it was read
};

// folder: where the file names of the profile are found.
ProfileRead ParseSettingsProfile(const std::string& text, const std::filesystem::path& folder);
ProfileRead ReadSettingsProfile(const std::filesystem::path& path);

// What read-profile writes: the numbers a register told, as a profile. heading: the first
// comment line's text; clockRead: the register's clock as it read, for the second (none when
// empty). The clock is written as "now": a time read back would be wrong by the time the
// profile is applied.
std::string ProfileText(const std::string& heading, const std::string& clockRead,
                        const SettingsProfile& values);

}  // namespace orvik::cli
