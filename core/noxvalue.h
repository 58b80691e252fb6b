#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>

#include <variant>

namespace Nox {

/// The small tagged value that passes between the engine, the settings store and the method
/// parameters: none, bool, int, double or string. Reading converts with fixed rules so that a
/// value stored by hand in the INI file, or by an older version under another type, still
/// reads predictably.
class NoxValue
{
public:
    enum class Type { None, Bool, Int, Double, String };

    NoxValue() = default;
    NoxValue(bool v)
        : m_data(v)
    {}
    NoxValue(int v)
        : m_data(v)
    {}
    NoxValue(double v)
        : m_data(v)
    {}
    NoxValue(QString v)
        : m_data(std::move(v))
    {}
    NoxValue(const char *) = delete; // spell strings as QString

    [[nodiscard]] Type type() const { return Type(m_data.index()); }
    [[nodiscard]] bool isNone() const { return type() == Type::None; }

    /// bool as is; an int is true when it equals 1; a string when it is "true" or "1".
    [[nodiscard]] bool toBool() const;
    /// int as is; a bool as 0/1; a double truncated and kept in the int range (NaN reads as
    /// 0); a string parsed in base 10 (0 when it does not parse).
    [[nodiscard]] int toInt() const;
    [[nodiscard]] double toDouble() const;
    [[nodiscard]] QString toString() const;

    /// From a value read out of QSettings (INI files give back strings for everything).
    [[nodiscard]] static NoxValue fromVariant(const QVariant &v);
    [[nodiscard]] QVariant toVariant() const;

    friend bool operator==(const NoxValue &, const NoxValue &) = default;

private:
    std::variant<std::monostate, bool, int, double, QString> m_data;
};

} // namespace Nox

Q_DECLARE_METATYPE(Nox::NoxValue)
