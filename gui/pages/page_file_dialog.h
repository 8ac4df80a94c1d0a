#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>

class QWidget;

namespace orvik::gui {

// How a page asks for a file name. The console shows the standard open or save dialog; tests
// put a function in its place so that no test ever waits on a modal dialog.
struct FileDialogRequest {
    enum class Mode { Open, Save };

    Mode mode = Mode::Open;
    QString title;
    // Qt name filters, the first one preselected: "Description (*.ext)".
    QStringList nameFilters;
    // Added to a typed name that has no suffix of its own (without the dot).
    QString defaultSuffix;
};

// The chosen path, or the empty string when the user cancelled.
using FileDialogFunction =
    std::function<QString(QWidget* parent, const FileDialogRequest& request)>;

// The standard dialog, modal to the parent's window. Saving asks before an existing file is
// overwritten.
QString AskWithFileDialog(QWidget* parent, const FileDialogRequest& request);

// The chosen name as the file system spells it (the local 8-bit encoding of file names).
std::filesystem::path FileSystemPath(const QString& path);

}  // namespace orvik::gui
