#include "wp/application.h"
#include "common/error.h"
#include <QFileInfo>

namespace wp {

Application::Application(std::shared_ptr<ExternalPrograms> programs) : m_programs(std::move(programs)) {}

void Application::requireRunning(const char* member) const
{
    if (m_quit)
        common::raise(ServerUnavailable, QStringLiteral("wp.Application.") + QLatin1String(member),
                      QStringLiteral("The word-processor application has quit"));
}

QString Application::Version() const
{
    requireRunning("Version");
    return LayerVersion;
}

wp::Documents& Application::Documents()
{
    requireRunning("Documents");
    return m_documents;
}

wp::Document& Application::ActiveDocument()
{
    requireRunning("ActiveDocument");
    return m_documents.ActiveDocument();
}

void Application::PrintOut(const QString& FileName)
{
    requireRunning("PrintOut");
    m_programs->print(FileName);
}

void Application::PrintPreview()
{
    requireRunning("PrintPreview");
    wp::Document& doc = ActiveDocument();
    if (doc.FullName() == doc.Name() || !m_programs->openInViewer(doc.FullName()))
        common::raise(ViewerFailed, QStringLiteral("wp.Application.PrintPreview"),
                      QStringLiteral("The document could not be shown: %1").arg(doc.FullName()));
}

void Application::OpenReadOnly(const QString& FileName)
{
    requireRunning("Documents.Open");
    if (!QFileInfo(FileName).isFile())
        common::raise(common::errc::FileNotFound, QStringLiteral("wp.Documents.Open"),
                      QStringLiteral("File not found: %1").arg(FileName));
    if (!m_programs->openInViewer(FileName))
        common::raise(ViewerFailed, QStringLiteral("wp.Documents.Open"),
                      QStringLiteral("The document could not be shown: %1").arg(FileName));
}

void Application::Quit(bool SaveChanges)
{
    requireRunning("Quit");
    if (SaveChanges)
        while (m_documents.Count() > 0)
            m_documents.Close(m_documents.Item(1), true);
    m_documents.closeAll();
    m_quit = true;
}

} // namespace wp
