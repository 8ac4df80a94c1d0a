#pragma once

#include <string>

#include "console/logo_bitmap.h"

namespace orvik::cli {

struct LogoFileRead {
    console::MonoBitmap bitmap;
    std::string error;  // why the file is refused, naming it; empty when it was read
};

// A logo for set-logo and a profile's "logo =": a two-colour .bmp of at most 432 x 192 pixels,
// read (and refused) before anything is sent.
LogoFileRead ReadLogoFile(const std::string& path);

}  // namespace orvik::cli
