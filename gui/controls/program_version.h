#pragma once

#include <QString>

namespace orvik::gui {

// The four numbers of the program's version: major, minor, build, revision.
struct ProgramVersion {
    unsigned majorNumber = 0;
    unsigned minorNumber = 0;
    unsigned buildNumber = 0;
    unsigned revisionNumber = 0;
};

// The version this program was built as.
ProgramVersion BuildProgramVersion();

// "Версия: " followed by the four numbers joined by commas, e.g. "Версия: 3,0,0,22".
QString FormatVersionLine(const ProgramVersion& version);

}  // namespace orvik::gui
