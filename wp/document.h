#pragma once
// One open document of the word-processor layer: its body, header and footer stories, page set-up,
// page borders, pictures and window state, the selection that edits it, and saving as .docx.
#include "wp/model.h"
#include <QImage>
#include <QLocale>
#include <QString>
#include <memory>

namespace wp {

class Selection;
class Range;
class TableRef;
struct TemplatePackage;

// Page set-up in points, as the automation interface reads and writes it.
struct PageSetup {
    double PageWidth = 595.3;  // A4
    double PageHeight = 841.9;
    double TopMargin = 72;
    double BottomMargin = 72;
    double LeftMargin = 90;
    double RightMargin = 90;
    double HeaderDistance = 36;
    double FooterDistance = 36;

    double textWidth() const { return PageWidth - LeftMargin - RightMargin; }
};

// Paper sizes in points.
struct Paper {
    double width;
    double height;
    static Paper a4() { return {595.3, 841.9}; }
    static Paper letter() { return {612, 792}; }
    // Letter where the system locale measures in US units, else A4.
    static Paper systemDefault();
};

// View values of the window and its active pane.
namespace view {
inline constexpr int PrintLayout = 3;
inline constexpr int SeekMainDocument = 0, SeekCurrentPageHeader = 9, SeekCurrentPageFooter = 10;
}

class Document {
public:
    Document(QString name, Paper paper);
    virtual ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // The document's name ("Document1", "Document2", ... for new ones; the file name once saved).
    const QString& Name() const { return m_name; }
    // Full path once saved, else the name.
    QString FullName() const { return m_path.isEmpty() ? m_name : m_path; }

    wp::PageSetup& PageSetup() { return m_pageSetup; }
    wp::Selection& Selection() { return *m_selection; }

    // Page borders of the first section, by side -1 to -4.
    Border& SectionBorders(int side);
    // A left tab stop on every paragraph of the main story; later paragraphs inherit it.
    void addTabStopToParagraphs(double points);
    // Adds a table of rows x columns at a collapsed range (see Selection::Tables).
    TableRef addTable(const Range& at, int rows, int cols, int behaviour = 0, int autoFit = 0);

    // Language of the text: readers use it for spelling and for the form of updated dates; the
    // date field's cached result takes its short date form.
    const QLocale& language() const { return m_language; }
    void setLanguage(const QLocale& language) { m_language = language; }

    // Window state: the view type and the show-all switch (no effect on the file).
    int viewType() const { return m_viewType; }
    void setViewType(int type) { m_viewType = type; }
    bool showAll() const { return m_showAll; }
    void setShowAll(bool on) { m_showAll = on; }
    // Moves the selection to the header (9) or footer (10) story, creating it, or back to the
    // end of the main document (0).
    void setSeekView(int seek);

    // Writes the document as Office Open XML to path (written to a temporary file and renamed,
    // so a failed save leaves an earlier file untouched). Raises an error on failure.
    void SaveAs(const QString& path);
    bool saved() const { return !m_path.isEmpty() && !m_dirty; }
    void markChanged() { m_dirty = true; }

    // Builds the document on the package of a .dotx/.docx template: its body comes first, its
    // page size, header and footer references and other parts are kept. Raises an error when the
    // file is no readable package.
    void applyTemplate(const QString& path);
    // The same for a template already read.
    void applyTemplate(TemplatePackage templatePackage);
    bool hasTemplate() const { return m_template != nullptr; }

    // The model, for the package writer and for tests.
    Story& body() { return m_body; }
    Story* header() { return m_header.get(); }
    Story* footer() { return m_footer.get(); }
    const std::array<Border, 4>& pageBorders() const { return m_pageBorders; }
    const std::vector<Media>& media() const { return m_media; }
    const TemplatePackage* templatePackage() const { return m_template.get(); }

    // Stores a picture and returns its media index.
    int addMedia(Media media);
    qint64 nextDocPrId() { return m_nextDocPrId++; }

private:
    friend class Selection;
    QString m_name;
    QString m_path;
    bool m_dirty = true;
    wp::PageSetup m_pageSetup;
    Story m_body;
    std::unique_ptr<Story> m_header;
    std::unique_ptr<Story> m_footer;
    std::array<Border, 4> m_pageBorders{};
    std::vector<Media> m_media;
    qint64 m_nextDocPrId = 1;
    QLocale m_language;
    int m_viewType = 1;
    bool m_showAll = false;
    std::unique_ptr<wp::Selection> m_selection;
    std::unique_ptr<TemplatePackage> m_template;
};

} // namespace wp
