#include "gui/controls/cj_hyperlink.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>

#include "gui/controls/label_fit.h"

namespace orvik::gui {

namespace {

// The program's boxes carry the main window's title: the title of the outermost window the
// label belongs to (a link in the About box belongs to the main window through the box).
QString OwnerWindowTitle(const QWidget* widget) {
    if (!widget) {
        return QGuiApplication::applicationDisplayName();
    }
    const QWidget* owner = widget->window();
    while (owner->parentWidget()) {
        owner = owner->parentWidget()->window();
    }
    return owner->windowTitle();
}

void ShowFailureBox(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, OwnerWindowTitle(parent), text);
}

}  // namespace

CCJHyperLink::CCJHyperLink(QWidget* parent) : CCJHyperLink(QString(), parent) {}

CCJHyperLink::CCJHyperLink(const QString& text, QWidget* parent)
    : QLabel(text, parent),
      m_crLinkColour(0, 0, 238),
      m_crVisitedColour(85, 26, 139),
      m_crHoverColour(palette().color(QPalette::Highlight)),
      m_failurePresenter(ShowFailureBox) {
    // A link shows its text as it is, never as markup.
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(false);
    // Moves without a button pressed tell the label that the mouse is over it.
    setMouseTracking(true);
    ApplyColour();
}

void CCJHyperLink::SetURL(const QString& url) {
    m_strURL = url;
    if (!m_bSetUp) {
        return;
    }
    // A label that has no text of its own would otherwise be an invisible link.
    if (text().isEmpty()) {
        setText(m_strURL);
    }
    ReFit();
    setToolTip(m_strURL);
}

void CCJHyperLink::SetColours(const QColor& link, const QColor& visited, const QColor& hover) {
    m_crLinkColour = link;
    m_crVisitedColour = visited;
    m_crHoverColour = hover;
    ApplyColour();
}

QColor CCJHyperLink::TextColour() const {
    if (m_bOverControl) {
        return m_crHoverColour;
    }
    return m_bVisited ? m_crVisitedColour : m_crLinkColour;
}

void CCJHyperLink::SetVisited(bool visited) {
    m_bVisited = visited;
    ApplyColour();
}

void CCJHyperLink::SetUnderline(bool underline) {
    m_bUnderline = underline;
    if (m_bSetUp) {
        ApplyFont();
        ReFit();
    }
}

void CCJHyperLink::SetAutoSize(bool adjustToFit) {
    m_bAdjustToFit = adjustToFit;
    if (m_bSetUp) {
        ReFit();
    }
}

void CCJHyperLink::SetUp() {
    if (m_bSetUp) {
        return;
    }
    m_bSetUp = true;

    if (m_strURL.isEmpty()) {
        m_strURL = text();
    }
    if (text().isEmpty()) {
        setText(m_strURL);
    }
    ApplyFont();
    ReFit();
    setCursor(Qt::PointingHandCursor);
    setToolTip(m_strURL);
}

void CCJHyperLink::SetOpener(orvik::gui::UrlOpener opener) {
    m_opener = std::move(opener);
}

void CCJHyperLink::SetFailurePresenter(FailurePresenter presenter) {
    m_failurePresenter = presenter ? std::move(presenter) : FailurePresenter(ShowFailureBox);
}

int CCJHyperLink::Open() {
    const int status = orvik::gui::OpenURL(m_strURL, m_opener);
    if (orvik::gui::OpenSucceeded(status)) {
        SetVisited(true);
    } else {
        QApplication::beep();
        m_failurePresenter(this, orvik::gui::HyperlinkFailureText(status));
    }
    return status;
}

bool CCJHyperLink::event(QEvent* event) {
    const bool handled = QLabel::event(event);
    // Polishing happens once, after the layout file has given the label its text and URL and
    // before the label is first laid out and shown.
    if (event->type() == QEvent::Polish) {
        SetUp();
    }
    return handled;
}

void CCJHyperLink::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    SetOver(true);
}

void CCJHyperLink::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    SetOver(false);
}

void CCJHyperLink::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    // While a button is held the label keeps receiving moves outside itself; leaving then
    // ends the hover just as the leave notice does.
    SetOver(rect().contains(event->position().toPoint()));
}

void CCJHyperLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_bPressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void CCJHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_bPressed) {
        m_bPressed = false;
        event->accept();
        // A click is a press and a release both on the label.
        if (rect().contains(event->position().toPoint())) {
            Open();
        }
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void CCJHyperLink::SetOver(bool over) {
    if (m_bOverControl == over) {
        return;
    }
    m_bOverControl = over;
    ApplyColour();
}

void CCJHyperLink::ApplyColour() {
    // Disabled labels keep the style's disabled colour.
    QPalette colours = palette();
    const QColor colour = TextColour();
    colours.setColor(QPalette::Active, QPalette::WindowText, colour);
    colours.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    setPalette(colours);
}

void CCJHyperLink::ApplyFont() {
    QFont linkFont = font();
    linkFont.setUnderline(m_bUnderline);
    setFont(linkFont);
}

void CCJHyperLink::ReFit() {
    if (!m_bAdjustToFit) {
        return;
    }
    // In a layout the label asks for just its text; on its own it is moved and resized here.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    const QMargins margins = contentsMargins();
    const int extra = 2 * margin();
    const QSize textSize =
        QFontMetrics(font()).size(0, text()) +
        QSize(margins.left() + margins.right() + extra, margins.top() + margins.bottom() + extra);
    setGeometry(orvik::gui::FitRectToText(geometry(), textSize, alignment()));
    updateGeometry();
}

}  // namespace orvik::gui
