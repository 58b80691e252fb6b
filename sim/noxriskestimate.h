#pragma once

#include "noxsimulator.h"

#include "money/noxguardstop.h"

#include <QList>

#include <array>
#include <atomic>
#include <functional>

namespace Nox {

/// What a bankroll and its progressions risk: sessions dealt from a seed and played through
/// the simulator's engine (the application's aggregation, settlement, progressions and
/// guards), each until the loss limit, the gain limit, another guard or its last coup.
///
/// The loss and gain limits end a session here whatever the guards say: the question asked is
/// how often a session reaches the loss limit before the gain limit.
///
/// Sessions are played on worker threads of their own; session i is dealt from the seed and i
/// alone, and its result kept in place, so the outcome does not depend on the number of
/// workers. Thread rules: run() blocks its caller, which may be any thread but the GUI one.
class NoxRiskEstimate
{
public:
    struct Config {
        NoxSimulator::Config simulation;
        int sessions = 10000;
        int coupsPerSession = 80;
        quint64 seed = 1;
        int jobs = 0; ///< workers; 0: one per core
        /// Workers at idle priority, so that a window drawn beside them never waits.
        bool background = false;
    };

    /// A share of the sessions and its 95 % confidence interval (Wilson's).
    struct Share {
        qint64 count = 0;
        double value = 0;
        double low = 0;
        double high = 0;
    };

    /// How the sessions ended and what they gave (amounts in hundredths).
    struct Outcome {
        qint64 sessions = 0;
        bool canceled = false;
        Share lossLimit;  ///< ended at the loss limit
        Share gainLimit;  ///< ended at the gain limit
        Share otherStop;  ///< ended by another guard or the engine's money limit
        Share unfinished; ///< reached their last coup within the limits
        /// Sessions ended by each guard rule (loss and gain limits included).
        std::array<qint64, int(NoxGuardStop::Rule::SessionTime) + 1> byRule{};
        double meanResult = 0;
        double meanCoups = 0;
        /// The session results, lowest first.
        QList<qint64> results;

        /// The result below which a share q (0 to 1) of the sessions lie.
        [[nodiscard]] qint64 quantile(double q) const;
        /// How many results fall in each of `bins` equal ranges from the lowest to the highest.
        [[nodiscard]] QList<qint64> histogram(int bins) const;
    };

    /// Sessions done so far, and all of them; called on the calling thread.
    using Progress = std::function<void(qint64 done, qint64 total)>;

    /// Plays the sessions; false with a message when the configuration does not prepare.
    /// `cancel`, when it turns true, ends the run early: the outcome then says so and covers
    /// the sessions finished.
    static bool run(const Config &config, Outcome *outcome, QString *error,
                    const std::atomic<bool> *cancel = nullptr, const Progress &progress = {});

    /// The share of `count` in `total` with its 95 % Wilson interval.
    [[nodiscard]] static Share share(qint64 count, qint64 total);
    /// The coups of session `index` of a run seeded with `seed`: dealt eight-deck shoes, a new
    /// one where the last ends, or spins of a fair wheel.
    [[nodiscard]] static QList<int> sessionValues(bool baccarat, quint64 seed, qint64 index, int coups);
};

} // namespace Nox
