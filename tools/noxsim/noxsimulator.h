#pragma once

#include "noxflatstake.h"

#include "money/noxfinancial.h"
#include "money/noxfinancialstats.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace Nox {

class NoxEngine;

/// Plays histories through a real engine, as the application does (same aggregation,
/// settlement and progressions), and keeps each method's flat-stake record beside it.
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
    };

    struct MethodResult {
        QString name;
        bool active = false;
        NoxFlatStake flat;
    };

    struct Bankroll {
        NoxFinancial financial;
        NoxFinancialStats stats;
        int coups = 0;
        int shoes = 0;
        QStringList warnings; ///< the limit notifications raised
    };

    explicit NoxSimulator(Config config);
    ~NoxSimulator();

    /// Builds the engine and applies the configuration; false with a message for unknown
    /// methods, progressions, bet kinds or amounts out of range.
    bool prepare(QString *error);
    /// Plays one shoe (a session: the methods start again, the bankroll goes on).
    void playShoe(const QList<int> &values);

    /// Method results, best final profit first.
    [[nodiscard]] QList<MethodResult> methodResults() const;
    [[nodiscard]] Bankroll bankroll() const;
    [[nodiscard]] NoxEngine &engine() { return *m_engine; }

    [[nodiscard]] QStringList methodNames() const;
    /// "kind: name" for every registered progression.
    [[nodiscard]] QStringList montanteNames() const;

    /// Reads a played-history text: one result per line ("T", "P", "B" at baccarat, 0 to 36
    /// at roulette), "#" comments, blank lines between shoes. Errors name their line.
    static bool parseHistory(const QString &text, bool baccarat, QList<QList<int>> *shoes,
                             QStringList *errors);

private:
    Config m_config;
    std::unique_ptr<NoxEngine> m_engine;
    QList<MethodResult> m_results;
    int m_coups = 0;
    int m_shoes = 0;
};

} // namespace Nox
