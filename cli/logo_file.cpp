#include "cli/logo_file.h"

#include "console/bmp_reader.h"
#include "support/text_codec.h"
#include "support/text_line_reader.h"

namespace orvik::cli {

LogoFileRead ReadLogoFile(const std::string& path) {
    console::BmpLoad load = console::ReadMonoBmpFile(path);
    switch (load.status) {
        case console::BmpStatus::Loaded:
            return {std::move(load.bitmap), {}};
        case console::BmpStatus::WrongFormat:
            return {{},
                    path +
                        " is not a two-colour (1 bit per pixel) bitmap of at most 432 x 192 "
                        "pixels"};
        case console::BmpStatus::Unreadable:
            break;
    }
    if (load.fileError != 0) {
        return {{},
                "cannot read " + path + ": " +
                    support::ToUtf8(support::SystemErrorText(load.fileError))};
    }
    return {{}, path + " cannot be read as a bitmap (.bmp)"};
}

}  // namespace orvik::cli
