#pragma once
// The open documents of one word-processor application, numbered from 1 as the automation
// interface counts them.
#include "wp/document.h"
#include <memory>
#include <vector>

namespace wp {

class Documents {
public:
    virtual ~Documents() = default;

    // Opens a new blank document and returns it; it stays open until it is closed or the
    // application quits.
    virtual Document& Add();
    int Count() const { return static_cast<int>(m_open.size()); }
    // Document 1 to Count(); error 9 for any other index.
    Document& Item(int index);
    // Closes every open document without saving.
    void closeAll() { m_open.clear(); }

private:
    std::vector<std::unique_ptr<Document>> m_open;
    int m_created = 0;
};

} // namespace wp
