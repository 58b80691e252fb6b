#include "noxsimulator.h"

#include "noxsimhistory.h"

#include "core/noxlistequal.h"
#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "engine/noxjournalcodec.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QMetaEnum>

#include <algorithm>
#include <limits>

namespace Nox {

namespace {

// The library a run used: "built-in", or the digest of the file, so that shards run on machines
// where the file has other paths still compare equal.
QString libraryDigest(const QString &path)
{
    if (path.isEmpty()) {
        return QStringLiteral("built-in");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return path;
    }
    // By blocks: the library has been read, and so is known to be small, but its file may
    // have grown since.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    constexpr qint64 kBlock = 64 * 1024;
    constexpr qint64 kMaxLibrary = 64 * 1024 * 1024;
    QByteArray block(kBlock, Qt::Uninitialized);
    qint64 total = 0;
    for (qint64 n = 0; total <= kMaxLibrary && (n = file.read(block.data(), kBlock)) > 0; total += n) {
        hash.addData(QByteArrayView(block.constData(), n));
    }
    return QString::fromLatin1(hash.result().toHex().left(16));
}

constexpr NoxMethodType kKinds[] = {NoxMethodType::plein, NoxMethodType::cs,     NoxMethodType::col,
                                    NoxMethodType::douz,  NoxMethodType::sixain, NoxMethodType::trans,
                                    NoxMethodType::carre};

} // namespace

NoxSimulator::NoxSimulator(Config config)
    : m_config(std::move(config))
    , m_chance(&NoxChanceModel::of(m_config.baccarat))
{}

NoxSimulator::~NoxSimulator() = default;

std::optional<NoxMethodType> NoxSimulator::kindOf(const QString &key)
{
    bool ok = false;
    const int value = QMetaEnum::fromType<NoxMethodType>().keyToValue(key.toLatin1().constData(), &ok);
    return ok && value >= 0 ? std::optional(NoxMethodType(value)) : std::nullopt;
}

QString NoxSimulator::kindKey(NoxMethodType type)
{
    return QString::fromLatin1(QMetaEnum::fromType<NoxMethodType>().valueToKey(int(type)));
}

bool NoxSimulator::prepare(QString *error)
{
    m_engine = std::make_unique<NoxEngine>(m_config.baccarat);
    m_engine->setAsync(false);
    // This thread alone plays and reads the engine.
    m_engine->setSingleThreaded(true);
    m_engine->loadMethods();
    m_engine->registerBuiltinMontantes();
    const QString library =
        m_config.library.isEmpty() ? QStringLiteral(":/data/montantes.dat") : m_config.library;
    QString why;
    if (!m_engine->loadMontanteLibrary(QUrl::fromLocalFile(library), true, &why)) {
        *error = QStringLiteral("cannot use the progression library %1: %2").arg(library, why);
        return false;
    }

    if (!m_config.only.isEmpty()) {
        const QStringList unknown = m_engine->retainMethods(m_config.only);
        if (!unknown.isEmpty()) {
            *error = QStringLiteral("unknown method \"%1\" (--list-methods shows them)").arg(unknown.first());
            return false;
        }
    }
    m_states = m_engine->methodStates();
    if (m_states.isEmpty()) {
        *error = QStringLiteral("this build has no method catalogue for %1")
                     .arg(m_config.baccarat ? QStringLiteral("baccarat") : QStringLiteral("roulette"));
        return false;
    }
    for (const QString &name : m_config.methods) {
        const auto it = std::find_if(m_states.begin(), m_states.end(), [&name](const NoxMethodState *s) {
            return s->method()->name() == name;
        });
        if (it == m_states.end()) {
            *error = m_config.only.isEmpty()
                         ? QStringLiteral("unknown method \"%1\" (--list-methods shows them)").arg(name)
                         : QStringLiteral("method \"%1\" is not evaluated (name it with --only)").arg(name);
            return false;
        }
    }

    NoxFinancial f = m_engine->financial();
    for (auto it = m_config.chips.cbegin(); it != m_config.chips.cend(); ++it) {
        const auto kind = kindOf(it.key());
        if (!kind) {
            *error =
                QStringLiteral("unknown bet kind \"%1\" (plein, cs, col, douz, sixain, trans)").arg(it.key());
            return false;
        }
        if (it.value() <= 0) {
            *error = QStringLiteral("the chip of %1 must be above 0").arg(it.key());
            return false;
        }
        NoxMethodeTypeConfig &chips = f.config(*kind);
        chips.jeton = chips.jetonOrigine = it.value();
    }
    if (m_config.capital) {
        f.capitalOrigine = f.capital = f.capitalMin = f.capitalMax = *m_config.capital;
    }
    if (m_config.stopLoss) {
        f.stopLoss = -std::abs(*m_config.stopLoss);
    }
    if (m_config.takeProfit) {
        f.takeProfit = std::abs(*m_config.takeProfit);
    }
    if (std::abs(qint64(f.capital)) > NoxEngine::kMaxMoney) {
        *error =
            QStringLiteral("the capital is above the engine's limit of %1").arg(NoxEngine::kMaxMoney / 100);
        return false;
    }
    // The smallest chip the active methods stake with.
    int smallestChip = std::numeric_limits<int>::max();
    for (const NoxMethodState *s : std::as_const(m_states)) {
        if (m_config.activateAll || m_config.methods.contains(s->method()->name())) {
            smallestChip = std::min(smallestChip, f.config(s->method()->type()).jetonOrigine);
        }
    }
    if (const QString refused = m_config.guards.refusal(smallestChip); !refused.isEmpty()) {
        *error = QStringLiteral("the guards cannot be used: %1").arg(refused);
        return false;
    }
    if (m_config.coupSeconds <= 0) {
        *error = QStringLiteral("a coup must take at least one second");
        return false;
    }
    f.guards = m_config.guards;
    m_engine->setClock(&m_clock);
    m_engine->setFinancialConfig(f);
    m_financial = m_engine->financial();

    for (auto it = m_config.montantes.cbegin(); it != m_config.montantes.cend(); ++it) {
        const auto kind = kindOf(it.key());
        if (!kind) {
            *error =
                QStringLiteral("unknown bet kind \"%1\" (plein, cs, col, douz, sixain, trans)").arg(it.key());
            return false;
        }
        if (!m_engine->selectMontante(*kind, it.value())) {
            *error = QStringLiteral("unknown progression \"%1\" for %2 (--list-montantes shows them)")
                         .arg(it.value(), it.key());
            return false;
        }
    }

    for (const NoxMethodState *s : std::as_const(m_states)) {
        if (m_config.activateAll || m_config.methods.contains(s->method()->name())) {
            m_activeIds.append(s->method()->index());
        }
    }
    startSession();
    return true;
}

void NoxSimulator::startSession()
{
    m_clock.set(0);
    m_engine->setFinancialConfig(m_financial);
    // Money, progressions and warnings start again; so do the methods (which also
    // deactivates them).
    m_engine->restart(true, true);
    m_engine->setMethodsActive(m_activeIds, true);
}

NoxSimResult NoxSimulator::emptyResult(const QJsonObject &run) const
{
    NoxSimResult r;
    r.run = run;
    for (const NoxMethodState *s : m_states) {
        r.methods.append({s->method()->name(), m_activeIds.contains(s->method()->index()), {}});
    }
    r.bankroll.capital = m_financial.capitalOrigine;
    r.bankroll.stopLoss = m_financial.stopLoss;
    r.bankroll.takeProfit = m_financial.takeProfit;
    return r;
}

void NoxSimulator::playShoe(const QList<int> &values, NoxSimResult *into)
{
    startSession();
    NoxSimBankroll::Session session;
    session.coups = int(values.size());
    bool closed = false;
    const auto closeMoney = [&] {
        readMoney(&session);
        closed = true;
    };
    qsizetype played = 0;
    const auto refused = [&] {
        return m_engine->playedValues().size() == played;
    };
    for (int v : values) {
        // The proposals standing now are the bets on this coup.
        m_flatItems.resize(m_states.size());
        for (qsizetype i = 0; i < m_states.size(); ++i) {
            const NoxMethodState *s = m_states.at(i);
            const bool numberMode = s->numberMode();
            NoxFlatStake &flat = into->methods[i].flat;
            FlatItems &last = m_flatItems[i];
            s->withProposal([&](const NoxMethodProposal &p) {
                const bool same = last.valid && last.numberMode == numberMode &&
                                  (numberMode ? noxSameList(p.coveredNumbers, last.numbers)
                                              : noxSameList(p.items, last.items));
                if (!same) {
                    last.valid = true;
                    last.numberMode = numberMode;
                    last.numbers = numberMode ? p.coveredNumbers : QList<int>();
                    last.items = numberMode ? p.playedItems(true) : p.items;
                    last.terms = last.items.size() == 1 ? singleItemTerms(last.items.constFirst())
                                                        : NoxFlatStake::chanceTerms(last.items, *m_chance);
                }
                flat.record(last.items, v, m_chance->isBaccarat(), last.terms);
            });
        }
        int stake = m_engine->financial().mise;
        m_clock.advance(qint64(m_config.coupSeconds) * 1000);
        m_engine->playNow(v);
        // What chance gives the bets the coup was settled with: the ones standing before it.
        NoxChanceModel::Coup chance;
        if (refused()) {
            // The engine refuses a coup whose stake and capital pass its money limit. The
            // session stops betting there, as the application would leave the player; the
            // methods play on, so their records still cover the whole shoe.
            session.moneyLimit = true;
            for (int id : std::as_const(m_activeIds)) {
                m_engine->setMethodActive(id, false);
            }
            m_engine->playNow(v);
            if (refused()) {
                // The capital alone is past the limit: keep the session's figures and clear
                // the money so that the methods can go on.
                closeMoney();
                m_engine->restart(true, false);
                m_engine->playNow(v);
            }
            stake = 0;
        } else if (stake > 0) {
            chance = m_chance->bets(m_engine->settledBets());
        }
        ++played;
        into->bankroll.addStake(stake, chance);
    }
    if (!closed) {
        closeMoney();
    }
    into->bankroll.addSession(session);
    ++into->shoeCount;
}

NoxFlatStake::ChanceTerms NoxSimulator::singleItemTerms(NoxBetItemID id)
{
    for (const auto &[item, terms] : std::as_const(m_singleItemTerms)) {
        if (item == id) {
            return terms;
        }
    }
    const NoxFlatStake::ChanceTerms terms = NoxFlatStake::chanceTerms({id}, *m_chance);
    // A short list, searched in order: the baccarat sides and the roulette chances most staked.
    constexpr qsizetype kKept = 32;
    if (m_singleItemTerms.size() < kKept) {
        m_singleItemTerms.append({id, terms});
    }
    return terms;
}

void NoxSimulator::readMoney(NoxSimBankroll::Session *session) const
{
    const NoxFinancial f = m_engine->financial();
    const NoxFinancialStats stats = m_engine->financialStats();
    session->result = qint64(f.capital) - f.capitalOrigine;
    session->lowestCapital = f.capitalMin;
    session->highestCapital = f.capitalMax;
    session->coupsWon = stats.betWinCount;
    session->coupsLost = stats.betLossCount;
    for (const NoxNotification &n : m_engine->notifications()) {
        session->gainLimit = session->gainLimit || n.type == NoxNotification::GainLimit;
        session->lossLimit = session->lossLimit || n.type == NoxNotification::LossLimit;
    }
    if (const std::optional<NoxGuardStop> stop = m_engine->guardStopRule()) {
        session->guardStop = stop->rule;
    }
}

NoxSimBankroll::Session NoxSimulator::playSession(const QList<int> &values)
{
    startSession();
    NoxSimBankroll::Session session;
    qsizetype played = 0;
    for (int v : values) {
        if (m_engine->isSuspended()) {
            break;
        }
        m_clock.advance(qint64(m_config.coupSeconds) * 1000);
        m_engine->playNow(v);
        if (m_engine->playedValues().size() == played) {
            // A stake and the capital past the engine's money limit: the session stops there.
            session.moneyLimit = true;
            break;
        }
        ++played;
    }
    session.coups = int(played);
    readMoney(&session);
    return session;
}

QJsonObject NoxSimulator::settings() const
{
    QJsonObject montantes;
    QJsonObject chips;
    for (NoxMethodType kind : kKinds) {
        const QString name = m_engine->currentMontanteName(kind);
        if (!name.isEmpty()) {
            montantes.insert(kindKey(kind), name);
        }
        chips.insert(kindKey(kind), m_financial.config(kind).jetonOrigine / 100.0);
    }
    QJsonObject settings{
        {QStringLiteral("game"), m_config.baccarat ? QStringLiteral("baccarat") : QStringLiteral("roulette")},
        {QStringLiteral("montantes"), montantes},
        {QStringLiteral("chips"), chips},
        {QStringLiteral("library"), libraryDigest(m_config.library)}};
    // Written only when set, so that the results of runs without them still compare equal.
    if (!m_config.only.isEmpty()) {
        QStringList only = m_config.only;
        only.sort();
        only.removeDuplicates();
        settings.insert(QStringLiteral("only"), QJsonArray::fromStringList(only));
    }
    if (m_config.guards != NoxGuards{}) {
        QJsonObject guards = NoxJournalCodec::toJson(m_config.guards);
        if (m_config.guards.sessionMinutes > 0) {
            guards.insert(QStringLiteral("coupSeconds"), m_config.coupSeconds);
        }
        settings.insert(QStringLiteral("guards"), guards);
    }
    return settings;
}

QStringList NoxSimulator::methodNames() const
{
    QStringList names;
    for (const NoxMethodState *s : m_engine->methodStates()) {
        names << s->method()->name();
    }
    return names;
}

QStringList NoxSimulator::montanteNames() const
{
    QStringList names;
    for (NoxMethodType kind : kKinds) {
        for (const auto &entry : m_engine->montanteList(kind)) {
            names << kindKey(kind) + QStringLiteral(": ") + entry.second;
        }
    }
    return names;
}

bool NoxSimulator::parseHistory(const QString &text, bool baccarat, QList<QList<int>> *shoes,
                                QStringList *errors)
{
    shoes->clear();
    QByteArray bytes = text.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    NoxHistoryReader::Options options;
    options.baccarat = baccarat;
    options.tooLong = NoxHistoryReader::TooLongLines::Skip;
    NoxSimHistory history;
    const NoxHistoryReader::Summary summary = NoxSimHistory::read(&buffer, options, true, &history);
    for (qint64 i = 0; i < history.shoeCount(); ++i) {
        shoes->append(history.shoe(i));
    }
    errors->append(NoxSimHistory::problemMessages(summary, baccarat, options.maxLineLength));
    return summary.refused == 0;
}

QString NoxSimulator::describeProblem(const NoxHistoryReader::Problem &problem, bool baccarat,
                                      qsizetype maxLineLength)
{
    return NoxSimHistory::describeProblem(problem, baccarat, maxLineLength);
}

} // namespace Nox
