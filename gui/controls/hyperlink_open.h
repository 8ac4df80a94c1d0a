#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace orvik::gui {

// Opening a hyperlink's target with the desktop's default handler. The outcome is a status
// number in the manner of the Windows shell: above 32 means the target was opened, 32 or below
// is one of the failure codes whose descriptions the error box shows.

// The target was handed to its handler.
inline constexpr int kOpenSucceeded = 33;
// Statuses of our own failures, chosen from the codes the error box can describe.
inline constexpr int kOpenNoTarget = 2;    // empty target: "file was not found"
inline constexpr int kOpenRefused = 5;     // not a web or mail target: "denied access"
inline constexpr int kOpenNoHandler = 31;  // the desktop found nothing to open it with

inline bool OpenSucceeded(int status) {
    return status > 32;
}

// Opens one target and answers its status.
using UrlOpener = std::function<int(const QUrl&)>;

// Only web pages (http, https, with a host) and mail addresses (mailto with an address) are
// ever opened: a label must not become a way to run or open local files.
bool IsOpenableTarget(const QUrl& target);

// Opens the target through the opener (the desktop's when none is given) after checking that
// it is a web or mail target; the opener is not called for any other target.
int OpenURL(const QString& target, const UrlOpener& opener = UrlOpener());

// The desktop's own opener: kOpenSucceeded or kOpenNoHandler.
int OpenWithDesktop(const QUrl& target);

// The description of a failure status, as the error box shows it.
QString HyperlinkErrorDescription(int status);

// The whole text of the error box for a failure status.
QString HyperlinkFailureText(int status);

}  // namespace orvik::gui
