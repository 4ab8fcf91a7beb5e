#pragma once
// A .dotx/.docx template read for a new document: its main part split around the body's blocks,
// its section's header and footer references, its relationships, content types and other parts.
#include "wp/zippackage.h"
#include <QString>
#include <QStringList>

namespace wp {

struct Relationship {
    QString id;
    QString type;
    QString target;
    QString targetMode;
};

struct TemplatePackage {
    PackageParts otherParts;   // every part but the main part, its relationships and the content types
    QString documentHead;      // the main part up to and including the body's start tag
    QString bodyBlocks;        // the template's blocks, its section properties removed
    QString documentTail;      // from the body's end tag to the end
    QStringList references;    // header and footer reference elements of the section
    QString defaultFooterPart; // package name of the default footer part, or empty
    std::vector<std::pair<QString, QString>> defaults;  // extension, content type
    std::vector<std::pair<QString, QString>> overrides; // part name (with "/"), content type
    std::vector<Relationship> documentRels;
    double pageWidthPoints = 595.3;
    double pageHeightPoints = 841.9;
    qint64 maxDocPrId = 0; // drawing ids are unsigned 32-bit values: 2147483647 and above occur
};

// Reads a template; error PackageError when it is no readable WordprocessingML package.
TemplatePackage readTemplatePackage(const QString& path);
// The same for the parts of a package already read; `name` names it in errors.
TemplatePackage readTemplateParts(const PackageParts& parts, const QString& name);

} // namespace wp
