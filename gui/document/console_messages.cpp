#include "gui/document/console_messages.h"

#include <QMessageBox>

#include "gui/controls/qt_text.h"
#include "gui/document/normal_cursor_scope.h"

namespace orvik::gui {

namespace {

QMessageBox::Icon BoxIcon(IConsoleMessages::Icon icon) {
    switch (icon) {
        case IConsoleMessages::Icon::Warning:
            return QMessageBox::Warning;
        case IConsoleMessages::Icon::Information:
            return QMessageBox::Information;
        case IConsoleMessages::Icon::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void MessageBoxMessages::Show(QWidget* parent, Icon icon, const QString& text) {
    const NormalCursorScope cursor;
    QMessageBox box(BoxIcon(icon), LoadText(kStrConsoleTitle), text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool MessageBoxMessages::AskYesNo(QWidget* parent, const QString& text, bool yesIsDefault) {
    const NormalCursorScope cursor;
    QMessageBox box(QMessageBox::Question, LoadText(kStrConsoleTitle), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(yesIsDefault ? QMessageBox::Yes : QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace orvik::gui
