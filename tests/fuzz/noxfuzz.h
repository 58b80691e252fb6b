#pragma once

// Shared set-up of the fuzz targets: a core application for the Qt classes that want one,
// quiet logging, and a scratch directory for the parsers that read files.

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace NoxFuzz {

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

/// Called from LLVMFuzzerInitialize: everything the targets share.
inline void initialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir scratch;
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, scratch.path());
    qputenv("NOX_FUZZ_SCRATCH", scratch.path().toLocal8Bit());
}

inline QString scratchFile(const QString &name)
{
    return QString::fromLocal8Bit(qgetenv("NOX_FUZZ_SCRATCH")) + QLatin1Char('/') + name;
}

} // namespace NoxFuzz
