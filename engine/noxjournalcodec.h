#pragma once

#include "core/noxmethodparameter.h"
#include "core/noxnotification.h"
#include "engine/noxengineconfig.h"
#include "money/noxfinancial.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

namespace Nox {

/// The JSON form of the engine's records in the session journal. Every record is written
/// with named fields and read back field by field: a field a reader does not find keeps the
/// value of the record it reads into, so an older journal still reads.
class NoxJournalCodec
{
public:
    [[nodiscard]] static QJsonObject toJson(const NoxFinancial &financial);
    static void read(const QJsonObject &json, NoxFinancial &financial);
    [[nodiscard]] static QJsonObject toJson(const NoxGuards &guards);
    static void read(const QJsonObject &json, NoxGuards &guards);
    [[nodiscard]] static QJsonObject toJson(const NoxEngineConfig &config);
    static void read(const QJsonObject &json, NoxEngineConfig &config);
    [[nodiscard]] static QJsonValue toJson(const NoxValue &value);
    [[nodiscard]] static NoxValue valueOf(const QJsonValue &json);
    [[nodiscard]] static QJsonArray toJson(const NoxMethodParameterList &parameters);
    [[nodiscard]] static NoxMethodParameterList parametersOf(const QJsonArray &json);
    [[nodiscard]] static QJsonObject toJson(const NoxNotification &notification);
    [[nodiscard]] static NoxNotification notificationOf(const QJsonObject &json);
};

} // namespace Nox
