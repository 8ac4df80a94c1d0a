#include "gui/document/message_box_prompt.h"

#include <QApplication>
#include <QMessageBox>

#include "gui/controls/qt_text.h"
#include "gui/document/normal_cursor_scope.h"

namespace orvik::gui {

namespace {

QMessageBox::StandardButton Ask(QMessageBox::Icon icon, const std::u16string& text,
                                QMessageBox::StandardButtons buttons) {
    const NormalCursorScope cursor;
    QMessageBox box(icon, LoadText(kStrPromptTitle), QString::fromStdU16String(text), buttons,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void MessageBoxPrompt::ShowError(const std::u16string& text) {
    Ask(QMessageBox::Critical, text, QMessageBox::Ok);
}

void MessageBoxPrompt::ShowWarning(const std::u16string& text) {
    Ask(QMessageBox::Warning, text, QMessageBox::Ok);
}

void MessageBoxPrompt::ShowInformation(const std::u16string& text) {
    Ask(QMessageBox::Information, text, QMessageBox::Ok);
}

bool MessageBoxPrompt::AskRetry(const std::u16string& text) {
    return Ask(QMessageBox::Critical, text, QMessageBox::Retry | QMessageBox::Cancel) ==
           QMessageBox::Retry;
}

}  // namespace orvik::gui
