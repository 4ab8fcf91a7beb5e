#include "wp/zippackage.h"
#include "common/error.h"
#include "common/savefile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <zip.h>

namespace wp {

namespace {

[[noreturn]] void fail(const QString& source, const QString& text)
{
    common::raise(PackageError, source, text);
}

constexpr zip_uint64_t MaxEntries = 1000;
constexpr zip_uint64_t MaxEntrySize = 50u * 1024 * 1024;
constexpr zip_uint64_t MaxTotalSize = 200u * 1024 * 1024;

} // namespace

namespace {

// The archive of the parts, built in memory.
QByteArray zipArchive(const QString& path, const PackageParts& parts)
{
    const QString source = QStringLiteral("wp.Document.SaveAs");
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = nullptr;
    if (buffer) {
        zip_source_keep(buffer); // the buffer outlives the archive: it holds the result
        archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    }
    zip_error_fini(&error);
    if (!archive) {
        if (buffer)
            zip_source_free(buffer);
        fail(source, QStringLiteral("Cannot create %1").arg(path));
    }
    for (const auto& [name, data] : parts) {
        zip_source_t* part = zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
        if (!part || zip_file_add(archive, name.toUtf8().constData(), part, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            if (part)
                zip_source_free(part);
            zip_discard(archive);
            zip_source_free(buffer);
            fail(source, QStringLiteral("Cannot add %1 to %2").arg(name, path));
        }
    }
    QByteArray bytes;
    bool ok = zip_close(archive) == 0;
    if (!ok)
        zip_discard(archive);
    zip_stat_t st;
    zip_stat_init(&st);
    ok = ok && zip_source_stat(buffer, &st) == 0 && (st.valid & ZIP_STAT_SIZE) && zip_source_open(buffer) == 0;
    if (ok) {
        bytes.resize(qsizetype(st.size));
        ok = zip_source_read(buffer, bytes.data(), st.size) == zip_int64_t(st.size);
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    if (!ok)
        fail(source, QStringLiteral("Cannot write %1").arg(path));
    return bytes;
}

} // namespace

void writeZipPackage(const QString& path, const PackageParts& parts)
{
    // Written like every other file of the program: whole and synced, or not at all.
    const common::FileFailure why = common::replaceFile(path, zipArchive(path, parts));
    if (why.failed())
        common::raise(why.kind == common::FileFailure::Kind::NotAFile ? PackageTargetNotAFile : PackageNotStored,
                      QStringLiteral("wp.Document.SaveAs"), why.reason);
}

namespace {

// Reads every part of an opened archive and closes it; `what` names the package in errors.
PackageParts readArchive(zip_t* archive, const QString& what)
{
    const QString source = QStringLiteral("wp.Documents.Add");
    PackageParts parts;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    zip_uint64_t total = 0;
    auto close = [&] { zip_discard(archive); };
    if (count < 0 || zip_uint64_t(count) > MaxEntries) {
        close();
        fail(source, QStringLiteral("%1 has too many parts").arg(what));
    }
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)
            || !(st.valid & ZIP_STAT_NAME)) {
            close();
            fail(source, QStringLiteral("%1 is damaged").arg(what));
        }
        const QString name = QString::fromUtf8(st.name);
        if (name.endsWith(QLatin1Char('/')))
            continue;
        total += st.size;
        if (st.size > MaxEntrySize || total > MaxTotalSize) {
            close();
            fail(source, QStringLiteral("%1 is too large").arg(what));
        }
        QByteArray data(qsizetype(st.size), Qt::Uninitialized);
        zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        const zip_int64_t got = file ? zip_fread(file, data.data(), st.size) : -1;
        if (file)
            zip_fclose(file);
        if (got != zip_int64_t(st.size)) {
            close();
            fail(source, QStringLiteral("%1 is damaged").arg(what));
        }
        parts.emplace_back(name, data);
    }
    close();
    return parts;
}

} // namespace

PackageParts readZipPackage(const QString& path)
{
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive)
        fail(QStringLiteral("wp.Documents.Add"), QStringLiteral("%1 is no document package").arg(path));
    return readArchive(archive, path);
}

PackageParts readZipPackageData(const QByteArray& bytes, const QString& name)
{
    // libzip takes an empty buffer for an empty archive; as a file it is no package.
    if (bytes.isEmpty())
        fail(QStringLiteral("wp.Documents.Add"), QStringLiteral("%1 is no document package").arg(name));
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        if (source)
            zip_source_free(source);
        fail(QStringLiteral("wp.Documents.Add"), QStringLiteral("%1 is no document package").arg(name));
    }
    return readArchive(archive, name);
}

} // namespace wp
