#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

#include <functional>

#include "gui/controls/hyperlink_open.h"

class QEnterEvent;

namespace orvik::gui {

// A text label that behaves as a hyperlink: underlined, coloured as a link (another colour
// while the mouse is over it, a third once its target was opened), a hand cursor and a tooltip
// with the target, and a click that opens the target with the desktop's handler.
//
// The label is set up once, when Qt first polishes it (before it is first shown) or when
// SetUp() is called: a label without text then shows its URL, a label without URL takes its
// text as URL, and the label is fitted to its text.
class CCJHyperLink : public QLabel {
    Q_OBJECT
    // Lets a layout file give the target ("url" property).
    Q_PROPERTY(QString url READ URL WRITE SetURL)

  public:
    // Shows the error text of a failed open to the user.
    using FailurePresenter = std::function<void(QWidget* parent, const QString& text)>;

    explicit CCJHyperLink(QWidget* parent = nullptr);
    explicit CCJHyperLink(const QString& text, QWidget* parent = nullptr);

    void SetURL(const QString& url);
    QString URL() const { return m_strURL; }

    void SetColours(const QColor& link, const QColor& visited, const QColor& hover);
    QColor LinkColour() const { return m_crLinkColour; }
    QColor VisitedColour() const { return m_crVisitedColour; }
    QColor HoverColour() const { return m_crHoverColour; }
    // The colour the text is painted in now.
    QColor TextColour() const;

    void SetVisited(bool visited);
    bool IsVisited() const { return m_bVisited; }
    bool IsOver() const { return m_bOverControl; }
    void SetUnderline(bool underline);
    bool IsUnderlined() const { return m_bUnderline; }
    // Whether the label is resized to its text.
    void SetAutoSize(bool adjustToFit);

    void SetUp();
    bool IsSetUp() const { return m_bSetUp; }

    // What opens the target; by default the desktop. Only web and mail targets reach it.
    void SetOpener(orvik::gui::UrlOpener opener);
    // What shows a failed open; by default a warning box.
    void SetFailurePresenter(FailurePresenter presenter);

    // Opens the target as a click does: a success marks the label visited, a failure beeps
    // and shows the error. Answers the status.
    int Open();

  protected:
    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void SetOver(bool over);
    void ApplyColour();
    void ApplyFont();
    void ReFit();

    QColor m_crLinkColour;
    QColor m_crVisitedColour;
    QColor m_crHoverColour;
    bool m_bOverControl = false;
    bool m_bVisited = false;
    bool m_bUnderline = true;
    bool m_bAdjustToFit = true;
    bool m_bSetUp = false;
    bool m_bPressed = false;
    QString m_strURL;
    orvik::gui::UrlOpener m_opener;
    FailurePresenter m_failurePresenter;
};

}  // namespace orvik::gui
