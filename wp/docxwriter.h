#pragma once
// Turns a document into the parts of an Office Open XML package.
#include "wp/zippackage.h"

namespace wp {

class Document;

PackageParts buildDocxPackage(Document& doc);

// Text made safe for XML: escaped, and characters XML 1.0 does not allow dropped.
QString xmlText(const QString& text);

} // namespace wp
