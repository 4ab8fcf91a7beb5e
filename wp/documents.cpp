#include "wp/documents.h"
#include "common/checked.h"

namespace wp {

Document& Documents::Add()
{
    ++m_created;
    m_open.push_back(std::make_unique<Document>(QStringLiteral("Document%1").arg(m_created)));
    return *m_open.back();
}

Document& Documents::Item(int index)
{
    common::checkIndex(index - 1, Count());
    return *m_open[static_cast<std::size_t>(index - 1)];
}

} // namespace wp
