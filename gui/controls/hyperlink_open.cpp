#include "gui/controls/hyperlink_open.h"

#include <QDesktopServices>

#include "gui/controls/qt_text.h"

namespace orvik::gui {

bool IsOpenableTarget(const QUrl& target) {
    if (!target.isValid()) {
        return false;
    }
    const QString scheme = target.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        return !target.host().isEmpty();
    }
    if (scheme == QLatin1String("mailto")) {
        return !target.path().isEmpty();
    }
    return false;
}

int OpenURL(const QString& target, const UrlOpener& opener) {
    const QString trimmed = target.trimmed();
    if (trimmed.isEmpty()) {
        return kOpenNoTarget;
    }
    const QUrl url(trimmed, QUrl::StrictMode);
    if (!IsOpenableTarget(url)) {
        return kOpenRefused;
    }
    return opener ? opener(url) : OpenWithDesktop(url);
}

int OpenWithDesktop(const QUrl& target) {
    return QDesktopServices::openUrl(target) ? kOpenSucceeded : kOpenNoHandler;
}

QString HyperlinkErrorDescription(int status) {
    // The statuses with a description of their own; no other id of their range has a text.
    if (status >= 0 && status <= 32) {
        if (const char16_t* text = FindString(kStrHyperlinkStatusBase + status)) {
            return Qt16(text);
        }
    }
    return LoadText(kStrHyperlinkUnknownStatus).arg(status);
}

QString HyperlinkFailureText(int status) {
    return LoadText(kStrHyperlinkFailed) + HyperlinkErrorDescription(status);
}

}  // namespace orvik::gui
