#include "gui/controls/program_version.h"

#include "gui/controls/qt_text.h"
namespace orvik::gui {

// The build passes the project's version in.
#if !defined(ORVIK_VERSION_MAJOR) || !defined(ORVIK_VERSION_MINOR) || \
    !defined(ORVIK_VERSION_PATCH) || !defined(ORVIK_VERSION_TWEAK)
#error "The build must define ORVIK_VERSION_MAJOR, _MINOR, _PATCH and _TWEAK"
#endif

ProgramVersion BuildProgramVersion() {
    return ProgramVersion{ORVIK_VERSION_MAJOR, ORVIK_VERSION_MINOR, ORVIK_VERSION_PATCH,
                          ORVIK_VERSION_TWEAK};
}

QString FormatVersionLine(const ProgramVersion& version) {
    return LoadText(kStrVersionFormat)
        .arg(version.majorNumber)
        .arg(version.minorNumber)
        .arg(version.buildNumber)
        .arg(version.revisionNumber);
}

}  // namespace orvik::gui
