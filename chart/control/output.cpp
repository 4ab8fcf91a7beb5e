// Picture output (printer, bitmap file, clipboard) and data export (text file, clipboard).
#include "chart/control/chart.h"
#include "chart/control/chartmath.h"
#include "chart/control/chartservices.h"
#include "chart/control/datetext.h"
#include "chart/control/errortexts.h"
#include "common/error.h"
#include "common/format.h"
#include "common/savefile.h"
#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace vexachart {

using common::Error;

namespace {

constexpr long ErrClipboard = 521;

[[noreturn]] void noServices() { common::raise(texts::ErrPrinter, {}, QStringLiteral("No output services installed")); }

} // namespace

// ---------------------------------------------------------------- data export

QString Vexachart::exportText(bool clipboard) const
{
    const QString end = clipboard ? QStringLiteral("\n") : QStringLiteral("\r\n");
    const QString headBreak = clipboard ? QStringLiteral("\n") : QStringLiteral("\r");
    const QDate today = m_services ? m_services->now().date() : QDate::currentDate();
    auto valueText = [&](int axis, double stored) {
        const int mode = axis == 0 ? m_xMode : m_yMode;
        const int notation = axis == 0 ? m_xNotation : m_yNotation;
        if (mode != 0) // the axis value as entered, not the logarithm's rounding error
            return common::formatGeneral(roundDigits(chartPow10(stored), 12), m_locale);
        if (notation == 2)
            return DateToTimeString(stored);
        return common::formatGeneral(stored, m_locale);
    };
    int records = 0;
    for (const PlotPoints& p : m_data)
        records = std::max(records, p.count());
    QString out;
    out.reserve(64 + records * static_cast<int>(m_data.size()) * 40);
    out += m_title + QLatin1Char('\t') + m_locale.toString(today, QLocale::ShortFormat) + headBreak;
    const QString xl = m_xLabel.trimmed();
    const QString yl = m_yLabel.trimmed();
    for (size_t p = 0; p < m_styles.size(); ++p) {
        const QString l = m_styles[p].Label.trimmed();
        if (p > 0)
            out += QLatin1Char('\t');
        out += l + QLatin1Char('.') + xl + QLatin1Char('\t') + l + QLatin1Char('.') + yl;
    }
    out += end;
    for (int i = 1; i <= records; ++i) {
        for (size_t p = 0; p < m_data.size(); ++p) {
            if (p > 0)
                out += QLatin1Char('\t');
            if (i <= m_data[p].count())
                out += valueText(0, m_data[p].x(i)) + QLatin1Char('\t') + valueText(1, m_data[p].y(i));
            else
                out += QLatin1Char('\t');
        }
        out += end;
    }
    return out;
}

void Vexachart::SaveData(QString* XFileName)
{
    const QString given = XFileName ? *XFileName : QString();
    try {
        const bool toClipboard = given == QLatin1String("(Clipboard)");
        QString path = given;
        if (given.isEmpty()) {
            if (!m_services)
                noServices();
            const auto chosen = m_services->saveFileName(QStringLiteral("Save numeric Data to File"),
                QStringLiteral("Text (*.txt)"), QStringLiteral("txt"));
            if (!chosen)
                return; // Cancel ends the operation silently
            path = *chosen;
            if (XFileName)
                *XFileName = path;
        } else if (!toClipboard && QFileInfo::exists(given)) {
            fail("SaveData", texts::fileExists());
        }
        if (toClipboard) {
            if (!m_services)
                noServices();
            if (!m_services->setClipboardText(exportText(true)))
                common::raise(ErrClipboard, {}, QStringLiteral("Can't open Clipboard"));
            return;
        }
        if (common::replaceFile(path, exportText(false).toUtf8()).failed())
            common::raise(texts::ErrFileAccess, {}, QStringLiteral("Path/File access error"));
    } catch (const Error& e) {
        throw e.withSource(texts::source("SaveData"));
    }
}

void Vexachart::CopyDataToClipboard()
{
    try {
        QString name = QStringLiteral("(Clipboard)");
        SaveData(&name);
    } catch (const Error& e) {
        throw e.withSource(texts::source("CopyDataToClipboard"));
    }
}

// ---------------------------------------------------------------- picture output

void Vexachart::printPage(QPrinter& printer, const QImage& picture) const
{
    QPainter p;
    if (!p.begin(&printer))
        common::raise(texts::ErrPrinter, {}, QStringLiteral("Printer error: no usable printer was found"));
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double w = page.width();
    const double h = page.height();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF box(0.1 * w, 0.15 * h, 0.8 * w, 0.43 * h);
    p.drawImage(box, picture);
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(QPointF(0.1 * w, 0.15 * h), QPointF(0.9 * w, 0.15 * h));
    p.drawLine(QPointF(0.9 * w, 0.15 * h), QPointF(0.9 * w, 0.58 * h));
    p.drawLine(QPointF(0.9 * w, 0.58 * h), QPointF(0.1 * w, 0.58 * h));
    p.drawLine(QPointF(0.1 * w, 0.58 * h), QPointF(0.1 * w, 0.15 * h));
    const QDateTime now = m_services ? m_services->now() : QDateTime::currentDateTime();
    const QString stamp = m_locale.toString(now.date(), QStringLiteral("dd.MMM.yyyy")) + QStringLiteral(" / ")
        + m_locale.toString(now.time(), QStringLiteral("h:mm"));
    QFont f = p.font();
    f.setPointSizeF(8.0);
    p.setFont(f);
    const QFontMetricsF fm(f, p.device());
    p.drawText(QPointF(0.9 * w - fm.horizontalAdvance(stamp), 0.93 * h + fm.ascent()), stamp);
    if (!p.end())
        common::raise(texts::ErrPrinter, {}, QStringLiteral("Printer error"));
}

void Vexachart::OutputChartPicture(int mode, QString* fileName)
{
    m_outputInProgress = true;
    try {
        if (!m_services)
            noServices();
        QPrinter printer(QPrinter::HighResolution);
        if (mode == 1 && !m_services->printDialog(printer)) {
            m_outputInProgress = false;
            return;
        }
        if (mode == 4) {
            mode = 1;
            if (!m_services->defaultPrinter(printer))
                common::raise(texts::ErrPrinter, {}, QStringLiteral("Printer error: no usable printer was found"));
        }
        QString path = fileName ? *fileName : QString();
        if (mode == 2) {
            if (path.isEmpty()) {
                const auto chosen = m_services->saveFileName(QStringLiteral("Save displayed Graph to File"),
                    QStringLiteral("Picture (*.bmp)"), QStringLiteral("bmp"));
                if (!chosen) {
                    m_outputInProgress = false;
                    return;
                }
                path = *chosen;
                if (fileName)
                    *fileName = path;
            } else if (QFileInfo::exists(path)) {
                common::raise(texts::ErrControl, QStringLiteral("Vexachart.SavePic"), texts::fileExists());
            }
        }
        const QImage picture = outputPicture();
        if (mode == 1) {
            printPage(printer, picture);
        } else if (mode == 2) {
            QByteArray bitmap;
            QBuffer buffer(&bitmap);
            if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "BMP")
                || common::replaceFile(path, bitmap).failed())
                common::raise(texts::ErrFileAccess, {}, QStringLiteral("Path/File access error"));
        } else if (mode == 3) {
            if (!m_services->setClipboardImage(picture))
                common::raise(ErrClipboard, {}, QStringLiteral("Can't open Clipboard"));
        }
        m_outputInProgress = false;
    } catch (const Error& e) {
        m_outputInProgress = false;
        throw e.withSource(QStringLiteral("Vexachart.PrintPic"));
    }
}

void Vexachart::SavePic(QString* XFileName)
{
    try {
        OutputChartPicture(2, XFileName);
    } catch (const Error& e) {
        throw e.withSource(texts::source("SavePic"));
    }
}

void Vexachart::CopyPicToClipboard()
{
    try {
        OutputChartPicture(3, nullptr);
    } catch (const Error& e) {
        throw e.withSource(texts::source("CopyPicToClipboard"));
    }
}

void Vexachart::PrintChart() { OutputChartPicture(4, nullptr); }

} // namespace vexachart
