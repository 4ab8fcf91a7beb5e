#include "chart/control/pictureoutput.h"
#include "chart/control/exportdata.h"
#include "chart/control/pictureoutputpage.h"
#include "common/error.h"
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QPrinter>

namespace vexachart {
namespace {

const QString PrintPicSource = QStringLiteral("Vexachart.PrintPic");

// Clears the in-progress flag however the run ends.
class ProgressScope {
public:
    explicit ProgressScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~ProgressScope() { m_flag = false; }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    bool& m_flag;
};

QByteArray bmpBytes(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP"))
        common::raise(outputerr::PathFileAccess, PrintPicSource, QStringLiteral("The picture could not be encoded"));
    return bytes;
}

} // namespace

PictureOutput::PictureOutput(PictureOutputServices services) : m_services(std::move(services))
{
    if (!m_services.makePrinter)
        m_services.makePrinter = [] { return std::make_unique<QPrinter>(QPrinter::HighResolution); };
}

void PictureOutput::outputChartPicture(OutputMode& mode, QString& fileName)
{
    if (m_inProgress)
        return; // a run is already going on
    ProgressScope progress(m_inProgress);
    try {
        std::unique_ptr<QPrinter> printer;
        if (mode == OutputMode::PrinterWithoutDialog) {
            mode = OutputMode::Printer;
            printer = m_services.makePrinter();
        } else if (mode == OutputMode::Printer) {
            printer = m_services.makePrinter();
            if (!m_services.dialogs || !m_services.dialogs->choosePrinter(*printer))
                return;
        } else if (mode == OutputMode::BitmapFile) {
            if (fileName.isEmpty()) {
                const auto chosen =
                    m_services.dialogs
                        ? m_services.dialogs->saveFileName({QStringLiteral("Save displayed Graph to File"),
                                                            QStringLiteral("Picture (*.bmp)"), QStringLiteral("bmp")})
                        : std::nullopt;
                if (!chosen)
                    return;
                fileName = *chosen;
            } else {
                requireNewFile(fileName, QStringLiteral("Vexachart.SavePic"));
            }
        }

        const QImage picture = m_services.render();
        if (picture.isNull())
            common::raise(common::errc::InvalidArgument, PrintPicSource, QStringLiteral("The chart could not be drawn"));

        switch (mode) {
        case OutputMode::Printer:
            printOutputPage(*printer, picture, outputStamp(m_services.now(), m_services.locale), PrintPicSource);
            break;
        case OutputMode::BitmapFile:
            writeWholeFile(fileName, bmpBytes(picture), PrintPicSource);
            break;
        case OutputMode::Clipboard:
            QGuiApplication::clipboard()->setImage(picture);
            break;
        case OutputMode::PrinterWithoutDialog:
            break;
        }
    } catch (const common::Error& e) {
        throw e.withSource(PrintPicSource);
    }
}

void PictureOutput::savePic(QString& xFileName)
{
    try {
        OutputMode mode = OutputMode::BitmapFile;
        outputChartPicture(mode, xFileName);
    } catch (const common::Error& e) {
        throw e.withSource(QStringLiteral("Vexachart.SavePic"));
    }
}

void PictureOutput::copyPicToClipboard()
{
    try {
        OutputMode mode = OutputMode::Clipboard;
        QString none;
        outputChartPicture(mode, none);
    } catch (const common::Error& e) {
        throw e.withSource(QStringLiteral("Vexachart.CopyPicToClipboard"));
    }
}

void PictureOutput::printChart()
{
    OutputMode mode = OutputMode::PrinterWithoutDialog;
    QString none;
    outputChartPicture(mode, none);
}

} // namespace vexachart
