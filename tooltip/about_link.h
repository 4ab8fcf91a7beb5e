#pragma once
// Opening the vendor's links from the about box. The opener is injected so that tests record the
// link instead of starting a browser or mail program.
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace quickinfo {

using LinkOpener = std::function<void(const QUrl&)>;

// The desktop's handler for a link (QDesktopServices::openUrl).
LinkOpener desktopLinkOpener();

// A link as it is opened: unchanged when it names a scheme ("http:", "https:", "mailto:" ...),
// otherwise with "http://" in front.
QString linkWithScheme(const QString& url);

// Opens the link with the busy cursor shown meanwhile. The window is the one the link belongs to.
void URLGoTo(QWidget* hwnd, const QString& url, const LinkOpener& opener);

} // namespace quickinfo
