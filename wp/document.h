#pragma once
// One open document of the word-processor layer. For now a document is blank; the report
// writer fills it.
#include <QString>

namespace wp {

class Document {
public:
    explicit Document(QString name) : m_name(std::move(name)) {}
    virtual ~Document() = default;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // The document's name ("Document1", "Document2", ... for new ones).
    const QString& Name() const { return m_name; }

private:
    QString m_name;
};

} // namespace wp
