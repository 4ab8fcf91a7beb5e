// Captions as the X window system shows them: exactly the program's own, with nothing appended;
// and the program's icon on its windows. Runs where the program runs on an X server (ctest starts it under a virtual one).
#include "windowfixture.h"

#include "common/widgets/qtmessageboxes.h"
#include "program/ui/anwendung.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace {

// The window's name as the X server holds it (_NET_WM_NAME, else WM_NAME); empty when not set.
QString xFenstername(const QWidget* w)
{
    const QString xprop = QStandardPaths::findExecutable(QStringLiteral("xprop"));
    if (xprop.isEmpty() || w == nullptr)
        return {};
    QProcess p;
    p.start(xprop, {QStringLiteral("-id"), QString::number(w->winId()), QStringLiteral("_NET_WM_NAME")});
    if (!p.waitForFinished(5000))
        return {};
    const QString out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    const qsizetype first = out.indexOf(QLatin1Char('"'));
    const qsizetype last = out.lastIndexOf(QLatin1Char('"'));
    return first >= 0 && last > first ? out.mid(first + 1, last - first - 1) : QString();
}

// The pictures of a window's icon as the X server holds them (_NET_WM_ICON: per picture its
// width, its height and its pixels as ARGB); empty when the window has none.
QList<QImage> xFenstersymbole(const QWidget* w)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("xprop")),
            {QStringLiteral("-id"), QString::number(w->winId()), QStringLiteral("-f"), QStringLiteral("_NET_WM_ICON"),
             QStringLiteral("32c"), QStringLiteral("=$0+"), QStringLiteral("_NET_WM_ICON")});
    if (!p.waitForFinished(5000))
        return {};
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const qsizetype gleich = out.indexOf(QLatin1Char('='));
    if (gleich < 0)
        return {};
    std::vector<quint32> werte;
    for (const QString& teil : out.mid(gleich + 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
        werte.push_back(teil.trimmed().toUInt());
    QList<QImage> bilder;
    for (size_t i = 0; i + 2 <= werte.size();) {
        const int breite = static_cast<int>(werte[i]);
        const int hoehe = static_cast<int>(werte[i + 1]);
        i += 2;
        if (breite <= 0 || hoehe <= 0 || werte.size() - i < size_t(breite) * size_t(hoehe))
            break;
        QImage bild(breite, hoehe, QImage::Format_ARGB32);
        for (int y = 0; y < hoehe; ++y)
            for (int x = 0; x < breite; ++x)
                bild.setPixel(x, y, werte[i++]);
        bilder << bild;
    }
    return bilder;
}

bool aufX()
{
    return QGuiApplication::platformName() == QLatin1String("xcb")
           && !QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty();
}

} // namespace

TEST_F(WindowFixture, X11TitlesAreTheProgramsCaptions)
{
    if (!aufX())
        GTEST_SKIP() << "needs an X server and xprop (ctest runs this under xvfb-run)";
    ui::anwendungBenennen();
    open(1);
    QTRY_VERIFY_WITH_TIMEOUT(!xFenstername(w.get()).isEmpty(), 3000);
    EXPECT_EQ(xFenstername(w.get()), w->windowTitle());
    EXPECT_TRUE(w->windowTitle().startsWith("Kelto-Line")) << w->windowTitle().toStdString();

    // A named project: the caption carries its name and still nothing else.
    projektDialoge.answers = {"pumpA", start.System.Projekt_Pfad + "pumpA.tpj"};
    ASSERT_TRUE(w->Projekt_SaveAs());
    ASSERT_TRUE(w->windowTitle().endsWith("pumpA"));
    QTRY_COMPARE_WITH_TIMEOUT(xFenstername(w.get()), w->windowTitle(), 3000);

    // A message box without a title of its own shows the program's title alone.
    common::QtMessageBoxes boxen(w.get(), ui::ProgrammTitel);
    QString gesehen;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        for (int i = 0; i < 300 && box != nullptr && xFenstername(box).isEmpty(); ++i)
            QTest::qWait(10);
        gesehen = xFenstername(box);
        if (auto* mbox = qobject_cast<QMessageBox*>(box))
            mbox->button(QMessageBox::Ok)->click();
    });
    boxen.show(QStringLiteral("Message"), common::mb::Information);
    EXPECT_EQ(gesehen, "Kelto-Line");
}

TEST_F(WindowFixture, X11WindowIconIsTheProgramsSymbol)
{
    if (!aufX())
        GTEST_SKIP() << "needs an X server and xprop (ctest runs this under xvfb-run)";
    ui::anwendungBenennen();
    open(0);
    QList<QImage> bilder;
    for (int i = 0; i < 300 && bilder.isEmpty(); ++i) {
        QTest::qWait(10);
        bilder = xFenstersymbole(w.get());
    }
    ASSERT_FALSE(bilder.isEmpty()) << "the main window carries no icon on the X server";
    // Every picture the window shows is the program's symbol (the desktop entry's icon) at that size.
    const QIcon symbol(ui::ProgrammSymbol);
    ASSERT_FALSE(symbol.isNull());
    for (const QImage& bild : bilder) {
        const QImage erwartet = symbol.pixmap(bild.size()).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(bild, erwartet) << "picture " << bild.width() << "x" << bild.height();
    }
}
