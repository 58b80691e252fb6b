#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>

#include <unistd.h>

/// Resident set size of the process in megabytes (0 where /proc is not there).
inline double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0)
                             : 0;
}
