#pragma once

#include "noxsimulator.h"

#include <functional>

namespace Nox {

/// Plays the shoes of a run on several threads, one simulator (one engine, async off) per
/// thread, and combines their records in shoe order.
///
/// Workers take blocks of consecutive shoes in turn; each block is recorded on its own and
/// the blocks are appended in shoe order as they come in. Since every shoe is a session of its
/// own and the records combine exactly, the result is the same for any number of workers.
class NoxSimRun
{
public:
    /// The values of shoe `index`; called from the workers at once, so it must be thread-safe.
    using ShoeSource = std::function<QList<int>(qint64 index)>;
    /// Shoes finished so far; called on the calling thread.
    using Progress = std::function<void(qint64 done)>;

    static constexpr qint64 kBlock = 8;

    /// Plays shoes [first, first + count) of a run of `total` shoes described by `run`.
    /// False with a message when the configuration does not prepare.
    static bool play(const NoxSimulator::Config &config, const QJsonObject &run, const ShoeSource &shoes,
                     qint64 first, qint64 count, qint64 total, int jobs, NoxSimResult *result, QString *error,
                     const Progress &progress = {});
};

} // namespace Nox
