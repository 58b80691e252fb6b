#include "autobet/noxclickservice.h"

#include "autobet/noxautobetlogging.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaEnum>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>

#include <cmath>

namespace Nox {

namespace {

QString errorName(QNetworkReply::NetworkError error)
{
    const char *key = QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(int(error));
    return key ? QString::fromLatin1(key) : QString::number(int(error));
}

} // namespace

NoxClickService::NoxClickService(QObject *parent)
    : QObject(parent)
{}

NoxClickService::~NoxClickService() = default;

void NoxClickService::setTimeout(int ms)
{
    m_timeout = std::max(1, ms);
}

QUrl NoxClickService::endpoint(const QString &baseUrl)
{
    QUrl url(baseUrl.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        return {};
    }
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/'))) {
        path.chop(1);
    }
    url.setPath(path + QStringLiteral("/games/1"));
    return url;
}

QByteArray NoxClickService::requestBody(const NoxBetList &bets, bool toggleJetonMode,
                                        const QList<int> &jetonValues)
{
    QJsonArray items;
    for (const NoxBet &bet : bets) {
        items.append(QJsonObject{{QStringLiteral("id"), int(bet.id)},
                                 {QStringLiteral("bet"), bet.bet},
                                 {QStringLiteral("flags"), bet.flags}});
    }
    QJsonArray values;
    for (int v : jetonValues) {
        values.append(v);
    }
    const QJsonObject request{{QStringLiteral("items"), items},
                              {QStringLiteral("toggleJetonMode"), toggleJetonMode},
                              {QStringLiteral("jetonValues"), values}};
    return QJsonDocument(request).toJson(QJsonDocument::Indented);
}

NoxClickPlan NoxClickService::parseReply(const QByteArray &body)
{
    const NoxClickPlan unreadable =
        NoxClickPlan::failure(tr("La réponse du service de placement est illisible."));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return unreadable;
    }
    const QJsonValue items = document.object().value(QStringLiteral("items"));
    if (!items.isArray()) {
        return unreadable;
    }
    const QJsonArray array = items.toArray();
    if (array.size() > kMaxClicks) {
        return NoxClickPlan::failure(tr("Le service de placement demande %1 clics, plus que les %2 permis.")
                                         .arg(array.size())
                                         .arg(kMaxClicks));
    }
    NoxClickPlan plan{true, {}, {}};
    for (const QJsonValue &value : array) {
        // Every element must be an id: a sequence with a hole is not clicked at all.
        const double d = value.toDouble(std::nan(""));
        if (!value.isDouble() || d != std::trunc(d) || d < 0 || d > std::numeric_limits<int>::max()) {
            return unreadable;
        }
        plan.sequence.append(NoxBetItemID(int(d)));
    }
    return plan;
}

NoxClickPlan NoxClickService::requestClicks(const QString &baseUrl, const NoxBetList &bets,
                                            bool toggleJetonMode, const QList<int> &jetonValues)
{
    const QUrl url = endpoint(baseUrl);
    if (!url.isValid()) {
        return NoxClickPlan::failure(
            tr("L'adresse du service de placement n'est pas valable : %1").arg(baseUrl));
    }
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setTransferTimeout(m_timeout);
    QPointer<QNetworkReply> reply = m_network->post(request, requestBody(bets, toggleJetonMode, jetonValues));

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool timedOut = false;
    bool tooLong = false;
    connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64) {
        if (received > kMaxReplySize) {
            tooLong = true;
            loop.quit();
        }
    });
    deadline.start(m_timeout);
    if (!reply->isFinished()) {
        loop.exec();
    }

    if (!reply) {
        return NoxClickPlan::failure(tr("La demande au service de placement a été abandonnée."));
    }
    const std::unique_ptr<QNetworkReply, void (*)(QNetworkReply *)> owner(reply.data(), [](QNetworkReply *r) {
        r->disconnect();
        r->abort();
        r->deleteLater();
    });
    if (!reply->isFinished()) {
        qCDebug(lcNoxAutobet).noquote()
            << QStringLiteral("ERR ") + (timedOut ? QStringLiteral("TimeoutError")
                                                  : errorName(QNetworkReply::OperationCanceledError));
        if (timedOut) {
            return NoxClickPlan::failure(
                tr("Le service de placement n'a pas répondu dans les %1 s.").arg(double(m_timeout) / 1000.0));
        }
        if (tooLong) {
            return NoxClickPlan::failure(tr("La réponse du service de placement est trop longue."));
        }
        return NoxClickPlan::failure(tr("La demande au service de placement a été abandonnée."));
    }
    if (reply->error() != QNetworkReply::NoError) {
        qCDebug(lcNoxAutobet).noquote() << QStringLiteral("ERR ") + errorName(reply->error());
        return NoxClickPlan::failure(
            tr("Le service de placement ne répond pas (%1).").arg(errorName(reply->error())));
    }
    const QByteArray body = reply->readAll();
    if (body.size() > kMaxReplySize) {
        return NoxClickPlan::failure(tr("La réponse du service de placement est trop longue."));
    }
    qCDebug(lcNoxAutobet).noquote() << QStringLiteral("RESP ") + QString::fromUtf8(body);
    return parseReply(body);
}

} // namespace Nox
