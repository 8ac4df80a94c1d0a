#include "gui/pages/bottom_line_dlg.h"

#include <QPushButton>

#include "gui/controls/qt_text.h"
#include "gui/document/console_messages.h"
#include "ui_bottom_line_dlg.h"

namespace orvik::gui {

CBottomLineDlg::CBottomLineDlg(IConsoleMessages& messages, const console::FooterLine& line,
                               QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::BottomLineDlg>()), m_messages(messages) {
    m_ui->setupUi(this);
    m_ui->textEdit->setText(Qt16(line.text));
    m_ui->journalCheck->setChecked(line.journal);
    m_ui->doubleWidthCheck->setChecked(line.doubleWidth);
    m_ui->doubleHeightCheck->setChecked(line.doubleHeight);
    // Buttons are found by what they say.
    for (QAbstractButton* button : m_ui->buttons->buttons()) {
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
    }
    ApplyLengthLimit();
    connect(m_ui->doubleWidthCheck, &QCheckBox::toggled, this, &CBottomLineDlg::ApplyLengthLimit);
    connect(m_ui->textEdit, &QLineEdit::textChanged, this, &CBottomLineDlg::ApplyLengthLimit);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &CBottomLineDlg::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &CBottomLineDlg::reject);
}

CBottomLineDlg::~CBottomLineDlg() = default;

void CBottomLineDlg::ApplyLengthLimit() {
    const auto limit =
        static_cast<int>(console::FooterLineLimit(m_ui->doubleWidthCheck->isChecked()));
    // QLineEdit cuts a text longer than its limit at once; a longer text keeps its length as
    // the limit until it is shortened.
    m_ui->textEdit->setMaxLength(std::max(limit, static_cast<int>(m_ui->textEdit->text().size())));
}

console::FooterLine CBottomLineDlg::Line() const {
    return console::FooterLine{m_ui->textEdit->text().toStdU16String(),
                               m_ui->journalCheck->isChecked(), m_ui->doubleWidthCheck->isChecked(),
                               m_ui->doubleHeightCheck->isChecked()};
}

void CBottomLineDlg::accept() {
    const console::FooterLine line = Line();
    const console::FooterLineCheck check = console::CheckFooterLine(line.text, line.doubleWidth);
    QString problem;
    switch (check.problem) {
        case console::FooterLineProblem::None:
            break;
        case console::FooterLineProblem::TooLong:
            problem = LoadText(kStrFieldTooLong).arg(check.limit);
            break;
        case console::FooterLineProblem::Empty:
            problem = LoadText(kStrFooterLineEmpty);
            break;
        case console::FooterLineProblem::NotInCodePage:
            problem = LoadText(kStrFooterLineNotInCodePage).arg(QChar(check.character));
            break;
    }
    if (!problem.isEmpty()) {
        m_messages.Show(this, IConsoleMessages::Icon::Warning, problem);
        m_ui->textEdit->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace orvik::gui
