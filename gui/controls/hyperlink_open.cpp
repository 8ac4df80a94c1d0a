#include "gui/controls/hyperlink_open.h"

#include <QDesktopServices>

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
    switch (status) {
        case 0:
            return QStringLiteral("The operating system is out\nof memory or resources.");
        case 2:
            return QStringLiteral("The specified file was not found.");
        case 3:
            return QStringLiteral("The specified path was not found.");
        case 5:
            return QStringLiteral("The operating system denied\naccess to the specified file.");
        case 8:
            return QStringLiteral("There was not enough memory to complete the operation.");
        case 11:
            return QStringLiteral(
                "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
        case 26:
            return QStringLiteral("A sharing violation occurred. ");
        case 27:
            return QStringLiteral("The filename association is\nincomplete or invalid.");
        case 28:
            return QStringLiteral(
                "The DDE transaction could not\nbe completed because the request timed out.");
        case 29:
            return QStringLiteral("The DDE transaction failed.");
        case 30:
            return QStringLiteral(
                "The DDE transaction could not\nbe completed because other DDE "
                "transactions\nwere being processed.");
        case 31:
            return QStringLiteral(
                "There is no application associated\nwith the given filename extension.");
        case 32:
            return QStringLiteral("The specified dynamic-link library was not found.");
        default:
            return QStringLiteral("Unknown Error (%1) occurred.").arg(status);
    }
}

QString HyperlinkFailureText(int status) {
    return QStringLiteral("Unable to open hyperlink:\n\n") + HyperlinkErrorDescription(status);
}

}  // namespace orvik::gui
