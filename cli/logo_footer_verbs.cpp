// The verbs of the logo and footer page: set-logo, set-footer-lines, get-line-spacing and
// get-discount-print.
#include <cstdio>

#include "cli/core_verb.h"
#include "cli/footer_file.h"
#include "cli/logo_file.h"
#include "console/logo_footer_page.h"
#include "device/orvik_core.h"
#include "support/text_codec.h"
#include "support/text_line_reader.h"

namespace orvik::cli {

namespace {

// The arguments but the flag, and whether the flag was among them.
std::vector<std::string> WithoutFlag(const std::vector<std::string>& arguments,
                                     std::string_view flag, bool& given) {
    std::vector<std::string> rest;
    given = false;
    for (const std::string& argument : arguments) {
        if (argument == flag) {
            given = true;
        } else {
            rest.push_back(argument);
        }
    }
    return rest;
}

VerbPlan SetLogo(const std::vector<std::string>& arguments) {
    bool noPrint = false;
    const std::vector<std::string> files = WithoutFlag(arguments, "--no-print", noPrint);
    const bool print = !noPrint;
    if (files.size() != 1) {
        return Refuse("set-logo needs one FILE, a two-colour .bmp of at most 432 x 192 pixels");
    }
    // The file is read here, before connecting, as the page loads it before sending.
    LogoFileRead load = ReadLogoFile(files[0]);
    if (!load.error.empty()) {
        return Refuse("set-logo: " + load.error);
    }
    return {[bitmap = std::move(load.bitmap), print](device::COrvikCore& core) {
                if (!RequireCapability(core, &device::RegisterCapabilities::logo, "set-logo")) {
                    return 1;
                }
                console::CCoreLogoFooterRegister device(core);
                const console::LogoSendResult result = console::SendLogo(device, &bitmap, print);
                if (result != console::LogoSendResult::Sent) {
                    PrintProblem("set-logo: the logo was not set on the register");
                    return 1;
                }
                if (print) {
                    std::printf("logoRows: %d\n", std::min(bitmap.height, console::kMaxLogoHeight));
                } else {
                    std::printf("logoRows: 0\n");
                }
                return 0;
            },
            {}};
}

VerbPlan SetFooterLines(const std::vector<std::string>& arguments) {
    bool erase = false;
    const std::vector<std::string> files = WithoutFlag(arguments, "--erase", erase);
    if (files.size() != 1) {
        return Refuse("set-footer-lines needs one FILE of at most ten footer lines");
    }
    FooterFileRead read = ReadFooterFile(files[0]);
    if (!read.error.empty()) {
        return Refuse("set-footer-lines: " + files[0] + ": " + read.error);
    }
    // An empty file erases the register's footer: not by a slip of the wrong file.
    if (read.lines.empty() && !erase) {
        return Refuse("set-footer-lines: " + files[0] +
                      " holds no footer line; add --erase to erase the register's footer");
    }
    return {[lines = std::move(read.lines)](device::COrvikCore& core) {
                if (!core.ServiceSession()) {
                    PrintProblem(
                        "set-footer-lines: the footer needs the service log-in "
                        "(--operator СЕРВІС)");
                    return 1;
                }
                console::CCoreLogoFooterRegister device(core);
                if (!console::SendFooter(device, lines)) {
                    PrintProblem(
                        "set-footer-lines: the footer was not set; the lines before "
                        "the failing one are on the register");
                    return 1;
                }
                std::printf("footerLines: %zu\n", lines.size());
                return 0;
            },
            {}};
}

VerbPlan GetLineSpacing(const std::vector<std::string>& arguments) {
    if (!arguments.empty()) {
        return Refuse("get-line-spacing takes no arguments");
    }
    return {[](device::COrvikCore& core) {
                if (!RequireCapability(core, &device::RegisterCapabilities::lineSpacing,
                                       "get-line-spacing")) {
                    return 1;
                }
                const std::u16string answer = core.QueryLineSpacing();
                const auto value = console::LineSpacingFromAnswer(answer);
                if (!value) {
                    PrintProblem(answer.empty() ? "the register did not tell its line spacing"
                                                : "the register's line spacing reads \"" +
                                                      support::ToUtf8(answer) + "\"");
                    return 1;
                }
                std::printf("%d %s\n", *value,
                            support::ToUtf8(console::LineSpacingText(*value)).c_str());
                return 0;
            },
            {}};
}

VerbPlan GetDiscountPrint(const std::vector<std::string>& arguments) {
    if (!arguments.empty()) {
        return Refuse("get-discount-print takes no arguments");
    }
    return {[](device::COrvikCore& core) {
                if (!RequireCapability(core, &device::RegisterCapabilities::discountPrintMode,
                                       "get-discount-print")) {
                    return 1;
                }
                const std::u16string answer = core.QueryDiscountPrintMode();
                const auto mode = console::DiscountPrintModeFromAnswer(answer);
                if (!mode) {
                    PrintProblem(answer.empty()
                                     ? "the register did not tell where it prints discounts"
                                     : "the register's discount print mode reads \"" +
                                           support::ToUtf8(answer) + "\"");
                    return 1;
                }
                std::printf("%d %s\n", *mode,
                            *mode == console::kDiscountsOnEachLine ? "on each line"
                                                                   : "at the end of the receipt");
                return 0;
            },
            {}};
}

}  // namespace

bool NeedsServiceLogin(const std::string& verb) {
    return verb == "set-footer-lines";
}

void AddLogoFooterVerbs(CoreVerbTable& table) {
    table["set-logo"] = SetLogo;
    table["set-footer-lines"] = SetFooterLines;
    table["get-line-spacing"] = GetLineSpacing;
    table["get-discount-print"] = GetDiscountPrint;
}

}  // namespace orvik::cli
