#include "tooltip/about_link.h"

#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QRegularExpression>

namespace quickinfo {

namespace {

// Shows the busy cursor for its lifetime, on every way out.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

LinkOpener desktopLinkOpener()
{
    return [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

QString linkWithScheme(const QString& url)
{
    // A scheme is a letter followed by letters, digits, "+", "-" or ".", then ":". A colon followed
    // by a digit is a port ("www.example.com:8080"), not a scheme.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?!\\d)"));
    if (scheme.match(url).hasMatch())
        return url;
    return QStringLiteral("http://") + url;
}

void URLGoTo(QWidget* /*hwnd*/, const QString& url, const LinkOpener& opener)
{
    const BusyCursor busy;
    if (opener)
        opener(QUrl(linkWithScheme(url)));
}

} // namespace quickinfo
