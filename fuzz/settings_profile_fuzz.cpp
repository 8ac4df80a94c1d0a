// Feeds arbitrary text to the settings profile reader. What it takes must be within every
// limit, and a profile written back from its numbers must read back the same; what it refuses
// must name the line.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/settings_profile.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    // The file reader refuses a NUL before parsing.
    if (text.find('\0') != std::string::npos) {
        return 0;
    }
    // No file a profile names is found there: nothing outside the input is read.
    const orvik::cli::ProfileRead read =
        orvik::cli::ParseSettingsProfile(text, "/nonexistent/orvik-fuzz");
    if (!read.error.empty()) {
        Check(read.error.starts_with("line "));
        return 0;
    }
    const orvik::cli::SettingsProfile& p = read.profile;
    Check(p.cutter.has_value() == p.beeper.has_value());
    Check(!p.partialCut || p.cutter);
    Check(!p.header || p.header->size() <= 43);
    Check(!p.footer || p.footer->size() <= 43);
    Check(!p.department || p.department->size() <= 5);
    // No file is found: only "erase" and "off" can be taken.
    Check((!p.footerLines || p.footerLines->empty()) && p.logoBitmap.height == 0);

    const orvik::cli::ProfileRead again =
        orvik::cli::ParseSettingsProfile(orvik::cli::ProfileText("fuzz", "", p), "/nonexistent");
    Check(again.error.empty());
    const orvik::cli::SettingsProfile& q = again.profile;
    Check(q.clock && q.cutter == p.cutter && q.beeper == p.beeper && q.partialCut == p.partialCut);
    Check(q.lineSpacing == p.lineSpacing && q.discountPrint == p.discountPrint);
    Check(q.articleMode == p.articleMode && q.taxCalculation == p.taxCalculation);
    Check(q.taxPrint == p.taxPrint && q.messageSet == p.messageSet);
    return 0;
}
