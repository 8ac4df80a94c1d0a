#include "gui/document/console_messages.h"

#include <QMessageBox>

#include "gui/document/console_texts.h"
#include "gui/document/normal_cursor_scope.h"

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

void CMessageBoxMessages::Show(QWidget* parent, Icon icon, const QString& text) {
    const orvik::console::NormalCursorScope cursor;
    QMessageBox box(BoxIcon(icon), QString::fromStdU16String(orvik::console::kTitle), text,
                    QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool CMessageBoxMessages::AskYesNo(QWidget* parent, const QString& text, bool yesIsDefault) {
    const orvik::console::NormalCursorScope cursor;
    QMessageBox box(QMessageBox::Question, QString::fromStdU16String(orvik::console::kTitle), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(yesIsDefault ? QMessageBox::Yes : QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}
