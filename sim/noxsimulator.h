#pragma once

#include "noxchancemodel.h"
#include "noxsimresult.h"

#include "core/noxhistoryreader.h"
#include "money/noxfinancial.h"
#include "noxsimclock.h"

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace Nox {

class NoxEngine;
class NoxMethodState;

/// Plays shoes through one real engine with async off, as the application does (same
/// aggregation, settlement and progressions), and keeps each method's flat-stake record and
/// the bankroll of the active methods beside it.
///
/// Every shoe is a session: the methods, the capital, the progressions and the limit warnings
/// start again, so a shoe's records depend on that shoe only. That is what lets the shoes of a
/// run be played by several simulators at once, on one machine or several.
///
/// Thread rules: a simulator belongs to one thread at a time; simulators on different threads
/// share nothing but read-only resources.
class NoxSimulator
{
public:
    struct Config {
        bool baccarat = true;
        QStringList methods; ///< activated by name
        bool activateAll = false;
        QMap<QString, QString> montantes; ///< bet kind key ("cs", "plein", ...) -> progression name
        QMap<QString, int> chips;         ///< bet kind key -> chip in hundredths
        std::optional<int> capital;       ///< hundredths
        std::optional<int> stopLoss;
        std::optional<int> takeProfit;
        QString library; ///< progression library file; empty: the built-in one
        /// Evaluate only these methods and the candidates an automatic one among them ranks
        /// (empty: the whole catalogue); the methods activated must be among them.
        QStringList only;
        /// The session guards: stop rules and stake limits, all off by default.
        NoxGuards guards;
        /// The time a coup takes, for the session-time guard (simulated, never waited).
        int coupSeconds = kDefaultCoupSeconds;
    };

    /// About the pace of a live baccarat table.
    static constexpr int kDefaultCoupSeconds = 50;

    explicit NoxSimulator(Config config);
    ~NoxSimulator();

    /// Builds the engine and applies the configuration; false with a message for unknown
    /// methods, progressions, bet kinds or amounts out of range.
    bool prepare(QString *error);
    /// An empty result of this catalogue and these settings, its run described by `run`.
    [[nodiscard]] NoxSimResult emptyResult(const QJsonObject &run) const;
    /// Plays one shoe as a session and adds it to `into` (a result of emptyResult()).
    void playShoe(const QList<int> &values, NoxSimResult *into);
    /// Plays one session for its money alone (no method record): from the configured start
    /// until a guard suspends the betting, the engine's money limit refuses a coup or the
    /// values run out. Its coups are those played.
    [[nodiscard]] NoxSimBankroll::Session playSession(const QList<int> &values);

    [[nodiscard]] NoxEngine &engine() { return *m_engine; }
    /// The settings that shape the results, for the run description.
    [[nodiscard]] QJsonObject settings() const;
    [[nodiscard]] QStringList methodNames() const;
    /// "kind: name" for every registered progression.
    [[nodiscard]] QStringList montanteNames() const;

    /// Reads a played-history text with NoxSimHistory::read(): one result per line ("T", "P",
    /// "B" at baccarat, 0 to 36 at roulette), "#" comments, blank lines between shoes; a too
    /// long line is refused and the reading goes on. Errors name their line (the first
    /// NoxHistoryReader::kKeptProblems, then how many more).
    static bool parseHistory(const QString &text, bool baccarat, QList<QList<int>> *shoes,
                             QStringList *errors);
    /// A refused line of a history as noxsim reports it (NoxSimHistory::describeProblem()).
    static QString describeProblem(const NoxHistoryReader::Problem &problem, bool baccarat,
                                   qsizetype maxLineLength);
    /// A bet kind by the name the options and the settings give it (plein, cs, col...), and back.
    [[nodiscard]] static std::optional<NoxMethodType> kindOf(const QString &key);
    [[nodiscard]] static QString kindKey(NoxMethodType type);

private:
    /// Configured capital, methods and fresh progressions: the start of every session.
    void startSession();
    /// The money of the session played so far.
    void readMoney(NoxSimBankroll::Session *session) const;

    Config m_config;
    std::unique_ptr<NoxEngine> m_engine;
    NoxFinancial m_financial; // as configured
    QList<NoxMethodState *> m_states;
    QList<int> m_activeIds;
    /// Per method, the items of its last flat stake and what chance gives them: most methods
    /// stake the same items coup after coup.
    struct FlatItems {
        bool valid = false;
        bool numberMode = false;
        QList<int> numbers; ///< in number mode, the covered numbers the items were made of
        QList<NoxBetItemID> items;
        NoxFlatStake::ChanceTerms terms;
    };
    QList<FlatItems> m_flatItems;
    /// What chance gives one item alone, for the few items that methods stake singly.
    [[nodiscard]] NoxFlatStake::ChanceTerms singleItemTerms(NoxBetItemID id);
    QList<std::pair<NoxBetItemID, NoxFlatStake::ChanceTerms>> m_singleItemTerms;
    const NoxChanceModel *m_chance = nullptr;
    NoxSimClock m_clock;
};

} // namespace Nox
