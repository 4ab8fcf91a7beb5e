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
    // application quits. The new document becomes the active one.
    virtual Document& Add();
    // A new document built on a .dotx/.docx template: the template's content comes first.
    // Error wp::PackageError when the template cannot be read.
    virtual Document& Add(const QString& Template);
    int Count() const { return static_cast<int>(m_open.size()); }
    // Document 1 to Count(); error 9 for any other index.
    Document& Item(int index);
    // The most recently added document still open; error 4248 when none is.
    Document& ActiveDocument();
    // Closes one document; with SaveChanges a document saved before is saved again.
    void Close(Document& doc, bool SaveChanges);
    // Closes every open document without saving.
    void closeAll() { m_open.clear(); }

    // Paper of new blank documents.
    void setPaper(Paper paper) { m_paper = paper; }

private:
    std::vector<std::unique_ptr<Document>> m_open;
    int m_created = 0;
    Paper m_paper = Paper::systemDefault();
};

} // namespace wp
