#include "wp/application.h"
#include "common/error.h"

namespace wp {

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

void Application::Quit(bool SaveChanges)
{
    requireRunning("Quit");
    // New documents hold nothing unsaved, so there is nothing to store whatever SaveChanges says.
    (void)SaveChanges;
    m_documents.closeAll();
    m_quit = true;
}

} // namespace wp
