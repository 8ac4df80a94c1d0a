#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "console/footer_lines.h"
#include "console/logo_bitmap.h"
#include "console/logo_footer_page.h"
#include "gui/pages/page_file_dialog.h"
#include "gui/pages/updatable_dialog.h"

namespace Ui {
class TabServiceSettings2;
}

namespace orvik::gui {

// The "Установки ЭККР 2" page: the receipt logo (loaded from a picture file, previewed and
// sent row by row), a footer of up to ten lines (set in a service session only), and on family
// 1 model 8 the line spacing and where discounts are printed. What the page shows and does
// lives in console/ (logo_bitmap.h, footer_lines.h, logo_footer_page.h); the widgets mirror it.
// The footer list and the logo stay for the whole run, across connections. The built-in logo
// is read with the widgets, when the page is first shown or used.
class CTabServiceSettings2 : public CUpdatableDialog {
    Q_OBJECT

  public:
    // Edits a footer line; nothing when the user cancelled.
    using FooterLineEditor = std::function<std::optional<console::FooterLine>(
        QWidget* parent, const console::FooterLine& line)>;

    CTabServiceSettings2(COrvikServiceDoc* document, QWidget* view);
    ~CTabServiceSettings2() override;

    // Reads the line spacing and discount printing of a model-8 register and enables what the
    // register has.
    bool UpdateDialog() override;

    // The buttons.
    void LoadLogo();
    void SetLogo();
    void AddLine();
    void ChangeLine();
    void DeleteLine();
    void MoveLineUp();
    void MoveLineDown();
    void SetFooter();
    void SetLineSpacing();
    void SetDiscountPrinting();

    // The page's values; the logo is the built-in one until a file is loaded.
    const console::MonoBitmap& Logo();
    bool PrintLogo() const { return m_page.PrintLogo(); }
    const console::FooterList& Footer() const { return m_page.Footer(); }

    // How the page asks for a file and edits a line; the standard dialogs by default.
    void SetFileDialog(FileDialogFunction dialog);
    void SetFooterLineEditor(FooterLineEditor editor);

  private:
    // The widgets, and the built-in logo.
    void BuildWidgets() override;
    void ShowFooter();
    void UpdateControls();
    void OnFooterSelectionChanged();
    void ShowMessage(int stringId, bool error);
    // The footer's "Установить" without a service session: the status bar says why.
    void ExplainServiceLogin();
    bool Connected() const;

    // The page's state from the first build of its widgets on.
    void ShowSpacingAndDiscounts();

    std::unique_ptr<Ui::TabServiceSettings2> m_ui;  // null until the page is first needed
    // The built-in logo is read with the widgets; until then the page holds no picture.
    console::LogoFooterPage m_page{console::MonoBitmap{}};
    FileDialogFunction m_fileDialog;
    FooterLineEditor m_lineEditor;
};

}  // namespace orvik::gui
