#include "wp/documents.h"
#include "common/checked.h"
#include "common/error.h"
#include <algorithm>

namespace wp {

Document& Documents::Add()
{
    ++m_created;
    m_open.push_back(std::make_unique<Document>(QStringLiteral("Document%1").arg(m_created), m_paper));
    return *m_open.back();
}

Document& Documents::Add(const QString& Template)
{
    auto doc = std::make_unique<Document>(QStringLiteral("Document%1").arg(m_created + 1), m_paper);
    doc->applyTemplate(Template);
    ++m_created;
    m_open.push_back(std::move(doc));
    return *m_open.back();
}

Document& Documents::Item(int index)
{
    common::checkIndex(index - 1, Count());
    return *m_open[static_cast<std::size_t>(index - 1)];
}

Document& Documents::ActiveDocument()
{
    if (m_open.empty())
        common::raise(4248, QStringLiteral("wp.Application.ActiveDocument"),
                      QStringLiteral("This command is not available because no document is open."));
    return *m_open.back();
}

void Documents::Close(Document& doc, bool SaveChanges)
{
    auto it = std::find_if(m_open.begin(), m_open.end(), [&](const auto& d) { return d.get() == &doc; });
    if (it == m_open.end())
        return;
    if (SaveChanges && !doc.saved() && doc.FullName() != doc.Name())
        doc.SaveAs(doc.FullName());
    m_open.erase(it);
}

} // namespace wp
