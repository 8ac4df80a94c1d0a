#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

#include "console/logo_bitmap.h"

namespace orvik::gui {

// The logo's preview: draws the page's logo at its top-left corner, pixel for pixel (no
// scaling), and a one-pixel outline in the text colour along the logo's own extent. It reads
// the logo each time it paints, so a repaint shows the page's logo as it is now. Large enough
// for the largest logo the register takes.
class CMyBitmapStatic : public QWidget {
    Q_OBJECT

  public:
    // Where the logo comes from: nullptr or an empty picture draws nothing.
    using LogoSource = std::function<const console::MonoBitmap*()>;

    explicit CMyBitmapStatic(QWidget* parent = nullptr);

    void SetLogoSource(LogoSource source);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    LogoSource m_source;
};

// The picture as a two-colour image, dots black on white.
QImage MonoBitmapImage(const console::MonoBitmap& bitmap);

}  // namespace orvik::gui
