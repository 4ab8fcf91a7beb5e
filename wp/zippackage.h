#pragma once
// Zip packages of Office Open XML: writing the parts of a document, reading those of a template.
#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace wp {

using PackageParts = std::vector<std::pair<QString, QByteArray>>;

// Error raised when a package cannot be written or read.
inline constexpr long PackageError = 5096;
// Errors raised when a written package cannot be put in place: the path names no file, or the
// system refused the write (the error's text is then the system's reason).
inline constexpr long PackageTargetNotAFile = 5097;
inline constexpr long PackageNotStored = 5098;

// Writes the parts, in order, to a temporary file beside path and renames it over path, so a
// failure leaves an existing file as it was.
void writeZipPackage(const QString& path, const PackageParts& parts);

// Reads every part of a package, refusing more than 1000 entries, 50 MB per entry or 200 MB in all.
PackageParts readZipPackage(const QString& path);
// The same for a package held in memory; `name` names it in errors.
PackageParts readZipPackageData(const QByteArray& bytes, const QString& name);

} // namespace wp
