#pragma once

#include "autobet/noxclickplan.h"
#include "core/noxbet.h"

#include <QObject>
#include <QUrl>

class QNetworkAccessManager;

namespace Nox {

/// The client of an outside click-planning service: posts the bets, the available chip
/// values and toggleJetonMode as JSON to "/games/1" under the service's base address and
/// reads the click sequence from the reply's "items".
///
/// The wait has a time limit (5 s by default) and runs a local event loop, so the window keeps
/// repainting and reacting while the service thinks; a service that is down, slow, answers
/// an HTTP error, garbage, or an absurdly long reply gives a failed plan saying why, never an
/// empty success. Logs "ERR " and the network error's name, or "RESP " and the reply body.
///
/// Thread rules: the object and its network access live in the thread that created it, and
/// requestClicks() must be called there (the GUI thread in the program). Because the wait runs
/// the event loop, the caller must be ready for other events to be handled meanwhile.
class NoxClickService : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultTimeout = 5000;
    /// A reply longer than this is refused.
    static constexpr qint64 kMaxReplySize = 1 << 20;
    /// A click sequence longer than this is refused.
    static constexpr int kMaxClicks = 500;

    explicit NoxClickService(QObject *parent = nullptr);
    ~NoxClickService() override;

    [[nodiscard]] int timeout() const { return m_timeout; }
    void setTimeout(int ms);

    /// Posts the request and waits for the reply, at most timeout() ms.
    [[nodiscard]] NoxClickPlan requestClicks(const QString &baseUrl, const NoxBetList &bets,
                                             bool toggleJetonMode, const QList<int> &jetonValues);

    /// "/games/1" under the base address; an invalid URL when the address is not http(s).
    [[nodiscard]] static QUrl endpoint(const QString &baseUrl);
    /// The request body, indented JSON.
    [[nodiscard]] static QByteArray requestBody(const NoxBetList &bets, bool toggleJetonMode,
                                                const QList<int> &jetonValues);
    /// The click sequence of a reply body; a failed plan when it is not an object whose
    /// "items" is an array of integer ids.
    [[nodiscard]] static NoxClickPlan parseReply(const QByteArray &body);

private:
    QNetworkAccessManager *m_network = nullptr;
    int m_timeout = kDefaultTimeout;
};

} // namespace Nox
