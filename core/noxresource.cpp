#include "core/noxresource.h"

#include <QFile>

#include <stdexcept>

namespace Nox {

QString noxReadResource(const QString &name)
{
    QFile file(QStringLiteral(":/data/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        throw std::runtime_error(QString(QStringLiteral("Error: missing resource ") + name).toStdString());
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace Nox
