#include "core/noxvalue.h"

#include "core/noxlogging.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Nox {

bool NoxValue::toBool() const
{
    switch (type()) {
    case Type::Bool:
        return std::get<bool>(m_data);
    case Type::Int:
        return std::get<int>(m_data) == 1;
    case Type::String: {
        const QString &s = std::get<QString>(m_data);
        return s == u"true" || s == u"1";
    }
    case Type::Double:
    case Type::None:
        break;
    }
    return false;
}

int NoxValue::toInt() const
{
    switch (type()) {
    case Type::Bool:
        return std::get<bool>(m_data) ? 1 : 0;
    case Type::Int:
        return std::get<int>(m_data);
    case Type::Double: {
        // Truncated, and kept in the int range: converting a double outside it is undefined.
        const double d = std::get<double>(m_data);
        if (std::isnan(d)) {
            return 0;
        }
        return int(std::clamp(std::trunc(d), double(std::numeric_limits<int>::min()),
                              double(std::numeric_limits<int>::max())));
    }
    case Type::String:
        return std::get<QString>(m_data).trimmed().toInt(nullptr, 10);
    case Type::None:
        break;
    }
    return 0;
}

double NoxValue::toDouble() const
{
    switch (type()) {
    case Type::Double:
        return std::get<double>(m_data);
    case Type::String:
        return std::get<QString>(m_data).trimmed().toDouble();
    default:
        return toInt();
    }
}

QString NoxValue::toString() const
{
    switch (type()) {
    case Type::String:
        return std::get<QString>(m_data);
    case Type::Bool:
        return std::get<bool>(m_data) ? QStringLiteral("true") : QStringLiteral("false");
    case Type::Int:
        return QString::number(std::get<int>(m_data));
    case Type::Double:
        return QString::number(std::get<double>(m_data));
    case Type::None:
        break;
    }
    return {};
}

NoxValue NoxValue::fromVariant(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::UnknownType:
        return {};
    case QMetaType::Bool:
        return v.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return v.toInt();
    case QMetaType::Double:
    case QMetaType::Float:
        return v.toDouble();
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return v.toString();
    case QMetaType::QStringList:
        qCDebug(lcNoxEngine) << "QMetaType::QStringList";
        return v.toStringList().join(QLatin1Char(','));
    default:
        qCDebug(lcNoxEngine).noquote() << QStringLiteral("UNKOWN type %1").arg(v.typeId());
        return {};
    }
}

QVariant NoxValue::toVariant() const
{
    switch (type()) {
    case Type::Bool:
        return std::get<bool>(m_data);
    case Type::Int:
        return std::get<int>(m_data);
    case Type::Double:
        return std::get<double>(m_data);
    case Type::String:
        return std::get<QString>(m_data);
    case Type::None:
        break;
    }
    return {};
}

} // namespace Nox
