// noxsim: backtests the method catalogue over a played history, dealt baccarat shoes or dealt
// roulette spins; `noxsim merge` combines the results of shards of one run.

#include "noxbaccaratshoe.h"
#include "noxroulettewheel.h"
#include "noxsimarchive.h"
#include "noxsimhistory.h"
#include "noxsimreport.h"
#include "noxsimroads.h"
#include "noxsimrun.h"
#include "noxsimulator.h"
#include "noxsplitmix.h"

#include "core/noxhistoryreader.h"
#include "engine/noxengine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QTextStream>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <mutex>
#include <unistd.h>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

using namespace Nox;

namespace {

constexpr int kBadInput = 2;
constexpr int kMaxShoes = 1000000;
constexpr int kMaxJobs = 256;
constexpr int kDefaultSpins = 100;

/// Qt's messages (the engine's warnings) as whole lines on the standard error, in UTF-8 like the
/// rest of the output, from any thread. Qt's own handler gives them to the debugger on Windows
/// when no console is attached, and what it writes from its DLL did not reach a redirected
/// standard error there: the same bytes reach it on every system this way.
void writeMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QString text = qFormatLogMessage(type, context, message);
    if (text.isNull()) {
        return; // the message pattern left nothing of it
    }
    const QByteArray line = text.toUtf8() + '\n';
    static std::mutex mutex;
    const std::lock_guard lock(mutex);
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

int fail(const QString &message)
{
    QTextStream(stderr) << "noxsim: " << message << Qt::endl;
    return kBadInput;
}

// Reads the command line; false (after the message) for an unknown option or a missing value.
// --help prints the usage and exits 0.
bool parseCommandLine(QCommandLineParser &parser, const QCommandLineOption &help,
                      const QStringList &arguments, int *exitCode)
{
    if (!parser.parse(arguments)) {
        *exitCode = fail(QStringLiteral("%1 (--help lists the options)").arg(parser.errorText()));
        return false;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        parser.showHelp(0);
    }
    return true;
}

// "kind=value" pairs of a repeated option.
bool keyValues(const QStringList &pairs, const char *option, QMap<QString, QString> *out, QString *error)
{
    for (const QString &pair : pairs) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            *error = QStringLiteral("--%1 wants kind=value, not \"%2\"").arg(QLatin1String(option), pair);
            return false;
        }
        out->insert(pair.left(eq).trimmed(), pair.mid(eq + 1).trimmed());
    }
    return true;
}

// An amount in currency units ("1000", "12.50") as hundredths.
bool amount(const QString &text, int *hundredths)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || v < 0 || v > 1e6) {
        return false;
    }
    *hundredths = int(std::llround(v * 100));
    return true;
}

bool writeFile(const QString &path, const QByteArray &data, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

class Progress
{
public:
    explicit Progress(bool enabled)
        : m_enabled(enabled && isatty(fileno(stderr)))
    {}
    void show(qint64 done, qint64 total)
    {
        if (!m_enabled || total <= 0) {
            return;
        }
        const int percent = int(100 * done / total);
        if (percent == m_last && done != total) {
            return;
        }
        m_last = percent;
        const int width = 40;
        const int filled = int(width * done / total);
        std::fprintf(stderr, "\r[%s%s] %3d%%  shoe %lld/%lld", std::string(size_t(filled), '#').c_str(),
                     std::string(size_t(width - filled), ' ').c_str(), percent, static_cast<long long>(done),
                     static_cast<long long>(total));
        if (done == total) {
            std::fputc('\n', stderr);
        }
        std::fflush(stderr);
    }

private:
    bool m_enabled;
    int m_last = -1;
};

// What the report options ask for, shared by a run and a merge.
struct Output {
    int top = 0;
    QString csv;
    QString json;
};

QList<QCommandLineOption> outputOptions()
{
    return {{QStringLiteral("top"), QStringLiteral("Rows of the method table (default all)."),
             QStringLiteral("n"), QStringLiteral("0")},
            {QStringLiteral("csv"), QStringLiteral("Also write the method table as CSV."),
             QStringLiteral("file")},
            {QStringLiteral("json"),
             QStringLiteral("Also write all results as JSON (what noxsim merge reads)."),
             QStringLiteral("file")}};
}

bool readOutput(const QCommandLineParser &parser, Output *output, QString *error)
{
    bool ok = false;
    output->top = parser.value(QStringLiteral("top")).toInt(&ok);
    if (!ok || output->top < 0) {
        *error = QStringLiteral("bad --top \"%1\"").arg(parser.value(QStringLiteral("top")));
        return false;
    }
    output->csv = parser.value(QStringLiteral("csv"));
    output->json = parser.value(QStringLiteral("json"));
    return true;
}

int report(const NoxSimResult &result, const Output &output)
{
    QTextStream out(stdout);
    out << NoxSimReport::text(result, output.top);
    out.flush();
    QString error;
    if (!output.csv.isEmpty() && !writeFile(output.csv, NoxSimReport::csv(result), &error)) {
        return fail(error);
    }
    if (!output.json.isEmpty() && !writeFile(output.json, result.toJson(), &error)) {
        return fail(error);
    }
    return 0;
}

// --- noxsim merge ---------------------------------------------------------------------------------

int runMerge(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Combines the JSON results of the shards of one run (noxsim --shard K/N --json FILE) into the "
        "result of the whole run, and prints it as a run does."));
    const QCommandLineOption help = parser.addHelpOption();
    // Shown after the program's name in the usage line.
    parser.addPositionalArgument(QStringLiteral("results"), QStringLiteral("JSON results of the shards."),
                                 QStringLiteral("merge a.json b.json ..."));
    parser.addOptions(outputOptions());
    int exitCode = 0;
    if (!parseCommandLine(parser, help, arguments, &exitCode)) {
        return exitCode;
    }
    Output output;
    QString error;
    if (!readOutput(parser, &output, &error)) {
        return fail(error);
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        return fail(QStringLiteral("merge wants the JSON results of the shards"));
    }
    QList<NoxSimResult> parts;
    for (const QString &path : files) {
        NoxSimResult part;
        if (!NoxSimResult::readFile(path, &part, &error)) {
            return fail(QStringLiteral("%1: %2").arg(path, error));
        }
        parts.append(part);
    }
    NoxSimResult merged;
    if (!NoxSimResult::merge(parts, &merged, &error)) {
        return fail(error);
    }
    if (merged.firstShoe != 0 || merged.shoeCount != merged.totalShoes) {
        QTextStream(stderr) << "noxsim: note: the results cover shoes " << merged.firstShoe + 1 << " to "
                            << merged.firstShoe + merged.shoeCount << " of " << merged.totalShoes
                            << ", not the whole run" << Qt::endl;
    }
    return report(merged, output);
}

// --- noxsim [history] -----------------------------------------------------------------------------

// The shoes of a run: a history file's, or dealt from a seed, and the slice a shard plays.
struct Shoes {
    NoxSimHistory file;
    bool dealt = false;
    quint64 seed = 1;
    int spins = kDefaultSpins; // a dealt roulette session
    qint64 count = 0;
    qint64 first = 0; // the slice played: shoes [first, end)
    qint64 end = 0;
};

// Reads a history file as a stream. After the first refused line the values are no longer
// kept (the run will not start) but the lines are still read, to report them all.
bool readHistory(const QString &path, bool baccarat, NoxSimHistory *history)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    return NoxSimHistory::readReporting(&file, path, baccarat, history);
}

// "K/N": the K-th of N slices (1-based) as the range [first, end) of `total` shoes.
bool shardRange(const QString &text, qint64 total, qint64 *first, qint64 *end)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    bool okK = false;
    bool okN = false;
    const qint64 k = parts.size() == 2 ? parts.at(0).toLongLong(&okK) : 0;
    const qint64 n = parts.size() == 2 ? parts.at(1).toLongLong(&okN) : 0;
    if (!okK || !okN || n < 1 || n > kMaxShoes || k < 1 || k > n) {
        return false;
    }
    *first = (k - 1) * total / n;
    *end = k * total / n;
    return true;
}

NoxSimRun::ShoeSource shoeSource(const Shoes &shoes, bool baccarat)
{
    if (!shoes.dealt) {
        return [&file = shoes.file](qint64 index) {
            return file.shoe(index);
        };
    }
    const quint64 seed = shoes.seed;
    if (baccarat) {
        return [seed](qint64 index) {
            NoxBaccaratShoe dealer(NoxSplitMix::streamSeed(seed, quint64(index)));
            const std::vector<int> coups = dealer.dealShoe();
            return QList<int>(coups.begin(), coups.end());
        };
    }
    return [seed, spins = shoes.spins](qint64 index) {
        return NoxRouletteWheel(NoxSplitMix::streamSeed(seed, quint64(index))).spins(spins);
    };
}

// The command line of a run: the parser and every option it knows, in the order --help shows.
struct RunCommandLine {
    RunCommandLine()
    {
        parser.setApplicationDescription(QStringLiteral(
            "Backtests the method catalogue over a played history (one result per line: T, P, B at "
            "baccarat, 0 to 36 at roulette; blank lines between shoes), over dealt eight-deck baccarat "
            "shoes or over sessions of dealt spins of a fair single-zero wheel.\n"
            "noxsim merge a.json b.json ... combines the results of shards (noxsim merge --help).\n"
            "noxsim sessions FILE lists the sessions of the application's archive; --archive FILE "
            "--session N (or all) backtests their results.\n"
            "noxsim roads [FILE] prints the scoreboard roads of every shoe of a history as JSON "
            "(noxsim roads --help)."));
        parser.addPositionalArgument(QStringLiteral("history"),
                                     QStringLiteral("History file to replay (omit to deal shoes or spins)."));
        parser.addOptions({game,
                           archive,
                           session,
                           shoes,
                           spins,
                           seed,
                           jobs,
                           shard,
                           method,
                           all,
                           only,
                           montante,
                           chip,
                           capital,
                           stopLoss,
                           takeProfit,
                           library,
                           stopAtLossLimit,
                           stopAtGainLimit,
                           losingStreak,
                           stakedCoups,
                           sessionMinutes,
                           coupSeconds,
                           trailingTrigger,
                           trailingDrop,
                           maxStake,
                           refuseAboveMaxStake,
                           tableLimit,
                           quiet,
                           listMethods,
                           listMontantes});
        parser.addOptions(outputOptions());
    }

    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption game{QStringLiteral("game"), QStringLiteral("baccarat (default) or roulette."),
                                  QStringLiteral("game"), QStringLiteral("baccarat")};
    const QCommandLineOption archive{
        QStringLiteral("archive"),
        QStringLiteral("The application's archive of sessions (sessions.sqlite) to replay instead of a "
                       "history file: the results of --session, each archived shoe a shoe of the run."),
        QStringLiteral("file")};
    const QCommandLineOption session{
        QStringLiteral("session"),
        QStringLiteral("With --archive: the session's number (noxsim sessions FILE lists them), or all "
                       "(default) for every session of the game, oldest first."),
        QStringLiteral("n|all"), QStringLiteral("all")};
    const QCommandLineOption shoes{
        QStringLiteral("shoes"),
        QStringLiteral("Shoes to deal, or roulette sessions of --spins spins (default 100)."),
        QStringLiteral("n"), QStringLiteral("100")};
    const QCommandLineOption spins{
        QStringLiteral("spins"),
        QStringLiteral("Spins of a dealt roulette session (default %1).").arg(kDefaultSpins),
        QStringLiteral("n"), QString::number(kDefaultSpins)};
    const QCommandLineOption seed{QStringLiteral("seed"),
                                  QStringLiteral("Seed of the dealt shoes or spins (default 1)."),
                                  QStringLiteral("n"), QStringLiteral("1")};
    const QCommandLineOption jobs{
        QStringLiteral("jobs"),
        QStringLiteral("Shoes played at once, one engine each (default: the number of "
                       "cores). The results do not depend on it."),
        QStringLiteral("n"), QString::number(QThread::idealThreadCount())};
    const QCommandLineOption shard{
        QStringLiteral("shard"),
        QStringLiteral("Play only the K-th of N equal slices of the shoes (1/4 to 4/4); "
                       "noxsim merge combines the slices' JSON results."),
        QStringLiteral("K/N")};
    const QCommandLineOption method{QStringLiteral("method"),
                                    QStringLiteral("Activate a method by name (repeatable)."),
                                    QStringLiteral("name")};
    const QCommandLineOption all{QStringLiteral("all"), QStringLiteral("Activate every method.")};
    const QCommandLineOption only{
        QStringLiteral("only"),
        QStringLiteral("Evaluate only this method (repeatable) and the methods an automatic one among them "
                       "ranks; the others are not played at all, so a backtest costs what its methods cost. "
                       "--method and --all then choose among these."),
        QStringLiteral("name")};
    const QCommandLineOption montante{
        QStringLiteral("montante"),
        QStringLiteral("Progression of a bet kind, e.g. cs=\"Masse égale\" (repeatable)."),
        QStringLiteral("kind=name")};
    const QCommandLineOption chip{QStringLiteral("chip"),
                                  QStringLiteral("Chip of a bet kind in currency units, e.g. cs=5."),
                                  QStringLiteral("kind=amount")};
    const QCommandLineOption capital{QStringLiteral("capital"),
                                     QStringLiteral("Capital of every session (default 1000)."),
                                     QStringLiteral("amount")};
    const QCommandLineOption stopLoss{QStringLiteral("stop-loss"),
                                      QStringLiteral("Loss limit of a session (default 100)."),
                                      QStringLiteral("amount")};
    const QCommandLineOption takeProfit{QStringLiteral("take-profit"),
                                        QStringLiteral("Gain limit of a session (default 100)."),
                                        QStringLiteral("amount")};
    const QCommandLineOption library{
        QStringLiteral("library"),
        QStringLiteral("Progression library file to use instead of the built-in one."),
        QStringLiteral("file")};
    // The session guards: each stops the betting of a session (the methods play on).
    const QCommandLineOption stopAtLossLimit{QStringLiteral("stop-at-loss-limit"),
                                             QStringLiteral("Stop a session's betting at its loss limit.")};
    const QCommandLineOption stopAtGainLimit{QStringLiteral("stop-at-gain-limit"),
                                             QStringLiteral("Stop a session's betting at its gain limit.")};
    const QCommandLineOption losingStreak{QStringLiteral("losing-streak"),
                                          QStringLiteral("Stop after this many losing coups in a row."),
                                          QStringLiteral("n")};
    const QCommandLineOption stakedCoups{QStringLiteral("staked-coups"),
                                         QStringLiteral("Stop after this many coups played with a stake."),
                                         QStringLiteral("n")};
    const QCommandLineOption sessionMinutes{QStringLiteral("session-minutes"),
                                            QStringLiteral("Stop once a session has lasted this many minutes "
                                                           "(at --coup-seconds a coup)."),
                                            QStringLiteral("n")};
    const QCommandLineOption coupSeconds{
        QStringLiteral("coup-seconds"),
        QStringLiteral("Simulated time of a coup for --session-minutes (default %1).")
            .arg(NoxSimulator::kDefaultCoupSeconds),
        QStringLiteral("n")};
    const QCommandLineOption trailingTrigger{
        QStringLiteral("trailing-trigger"),
        QStringLiteral("Arm the trailing stop once the result has reached this amount."),
        QStringLiteral("amount")};
    const QCommandLineOption trailingDrop{
        QStringLiteral("trailing-drop"),
        QStringLiteral("Armed trailing stop: stop when the result falls this far below its highest point."),
        QStringLiteral("amount")};
    const QCommandLineOption maxStake{
        QStringLiteral("max-stake"),
        QStringLiteral("Largest stake of a coup: a larger one is lowered to it."), QStringLiteral("amount")};
    const QCommandLineOption refuseAboveMaxStake{
        QStringLiteral("refuse-above-max-stake"),
        QStringLiteral("With --max-stake: a larger coup is not placed at all instead of lowered.")};
    const QCommandLineOption tableLimit{
        QStringLiteral("table-limit"),
        QStringLiteral("The table's maximum on an item, e.g. banker=500 (player, banker, tie; repeatable): "
                       "a larger stake on it is not placed."),
        QStringLiteral("item=amount")};
    const QCommandLineOption quiet{QStringLiteral("quiet"), QStringLiteral("No progress bar.")};
    const QCommandLineOption listMethods{QStringLiteral("list-methods"),
                                         QStringLiteral("List the methods and stop.")};
    const QCommandLineOption listMontantes{QStringLiteral("list-montantes"),
                                           QStringLiteral("List the progressions and stop.")};
};

// What the options of a run ask for, checked.
struct RunSettings {
    NoxSimulator::Config config;
    Output output;
    int jobs = 1;
    bool listing = false; // --list-methods or --list-montantes: no shoe is dealt
};

// Reads the session guards; false with the message. Whether they fit together is the
// simulator's check, the one the settings of the application make.
bool readGuards(const RunCommandLine &cl, NoxSimulator::Config *config, QString *error)
{
    const QCommandLineParser &parser = cl.parser;
    NoxGuards &g = config->guards;
    g.lossLimitStops = parser.isSet(cl.stopAtLossLimit);
    g.gainLimitStops = parser.isSet(cl.stopAtGainLimit);
    const QPair<const QCommandLineOption *, int *> counts[] = {{&cl.losingStreak, &g.losingStreak},
                                                               {&cl.stakedCoups, &g.stakedCoups},
                                                               {&cl.sessionMinutes, &g.sessionMinutes},
                                                               {&cl.coupSeconds, &config->coupSeconds}};
    for (const auto &[option, field] : counts) {
        if (!parser.isSet(*option)) {
            continue;
        }
        bool ok = false;
        *field = parser.value(*option).toInt(&ok);
        if (!ok || *field < 0) {
            *error = QStringLiteral("bad count \"%1\" for --%2")
                         .arg(parser.value(*option), option->names().first());
            return false;
        }
    }
    const QPair<const QCommandLineOption *, qint64 *> amounts[] = {{&cl.trailingTrigger, &g.trailingTrigger},
                                                                   {&cl.trailingDrop, &g.trailingDrop},
                                                                   {&cl.maxStake, &g.maxStake}};
    for (const auto &[option, field] : amounts) {
        if (!parser.isSet(*option)) {
            continue;
        }
        int cents = 0;
        if (!amount(parser.value(*option), &cents) || cents < 0) {
            *error = QStringLiteral("bad amount \"%1\" for --%2")
                         .arg(parser.value(*option), option->names().first());
            return false;
        }
        *field = cents;
    }
    g.maxStakeRule =
        parser.isSet(cl.refuseAboveMaxStake) ? NoxGuards::StakeRule::Refuse : NoxGuards::StakeRule::Cap;
    if (parser.isSet(cl.refuseAboveMaxStake) && g.maxStake == 0) {
        *error = QStringLiteral("--refuse-above-max-stake needs --max-stake");
        return false;
    }
    QMap<QString, QString> limits;
    if (!keyValues(parser.values(cl.tableLimit), "table-limit", &limits, error)) {
        return false;
    }
    for (auto it = limits.cbegin(); it != limits.cend(); ++it) {
        const QString item = it.key().toLower();
        qint64 *field = item == u"player"   ? &g.tableLimitPlayer
                        : item == u"banker" ? &g.tableLimitBanker
                        : item == u"tie"    ? &g.tableLimitTie
                                            : nullptr;
        int cents = 0;
        if (!field) {
            *error =
                QStringLiteral("unknown item \"%1\" for --table-limit (player, banker, tie)").arg(it.key());
            return false;
        }
        if (!amount(it.value(), &cents) || cents <= 0) {
            *error = QStringLiteral("bad table limit \"%1\" for %2").arg(it.value(), it.key());
            return false;
        }
        *field = cents;
    }
    return true;
}

// Reads the game, the methods, the money, the report and the job count; false with the message.
bool readRunSettings(const RunCommandLine &cl, RunSettings *settings, QString *error)
{
    const QCommandLineParser &parser = cl.parser;
    NoxSimulator::Config &config = settings->config;
    const QString gameName = parser.value(cl.game).toLower();
    if (gameName != u"baccarat" && gameName != u"roulette") {
        *error = QStringLiteral("unknown game \"%1\" (baccarat or roulette)").arg(parser.value(cl.game));
        return false;
    }
    config.baccarat = gameName == u"baccarat";
    config.methods = parser.values(cl.method);
    config.activateAll = parser.isSet(cl.all);
    QMap<QString, QString> montantes;
    QMap<QString, QString> chips;
    if (!keyValues(parser.values(cl.montante), "montante", &montantes, error) ||
        !keyValues(parser.values(cl.chip), "chip", &chips, error)) {
        return false;
    }
    config.montantes = montantes;
    config.library = parser.value(cl.library);
    for (auto it = chips.cbegin(); it != chips.cend(); ++it) {
        int cents = 0;
        if (!amount(it.value(), &cents)) {
            *error = QStringLiteral("bad chip amount \"%1\" for %2").arg(it.value(), it.key());
            return false;
        }
        config.chips.insert(it.key(), cents);
    }
    const QPair<const QCommandLineOption *, std::optional<int> *> amounts[] = {
        {&cl.capital, &config.capital},
        {&cl.stopLoss, &config.stopLoss},
        {&cl.takeProfit, &config.takeProfit}};
    for (const auto &[option, field] : amounts) {
        if (parser.isSet(*option)) {
            int cents = 0;
            if (!amount(parser.value(*option), &cents)) {
                *error = QStringLiteral("bad amount \"%1\" for --%2")
                             .arg(parser.value(*option), option->names().first());
                return false;
            }
            *field = cents;
        }
    }
    config.only = parser.values(cl.only);
    if (!readGuards(cl, &config, error)) {
        return false;
    }
    if (!readOutput(parser, &settings->output, error)) {
        return false;
    }
    bool ok = false;
    settings->jobs = parser.value(cl.jobs).toInt(&ok);
    if (!ok || settings->jobs < 1 || settings->jobs > kMaxJobs) {
        *error = QStringLiteral("bad --jobs \"%1\" (1 to %2)").arg(parser.value(cl.jobs)).arg(kMaxJobs);
        return false;
    }
    settings->listing = parser.isSet(cl.listMethods) || parser.isSet(cl.listMontantes);
    return true;
}

// The shoes: the history file's, or dealt ones (none when only names are listed), and the
// slice of a shard. False after the messages.
bool loadShoes(const RunCommandLine &cl, const RunSettings &settings, Shoes *source)
{
    const QCommandLineParser &parser = cl.parser;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        fail(QStringLiteral("one history file at most"));
        return false;
    }
    bool ok = false;
    if (parser.isSet(cl.archive)) {
        if (!positional.isEmpty()) {
            fail(QStringLiteral("a history file or --archive, not both"));
            return false;
        }
        if (!NoxSimArchive::read(parser.value(cl.archive), parser.value(cl.session), settings.config.baccarat,
                                 &source->file)) {
            return false;
        }
        source->count = source->file.shoeCount();
    } else if (parser.isSet(cl.session)) {
        fail(QStringLiteral("--session goes with --archive"));
        return false;
    } else if (!positional.isEmpty()) {
        if (!readHistory(positional.first(), settings.config.baccarat, &source->file)) {
            return false;
        }
        source->count = source->file.shoeCount();
    } else if (!settings.listing) {
        source->dealt = true;
        source->count = parser.value(cl.shoes).toInt(&ok);
        if (!ok || source->count <= 0 || source->count > kMaxShoes) {
            fail(QStringLiteral("bad --shoes \"%1\" (1 to %2)").arg(parser.value(cl.shoes)).arg(kMaxShoes));
            return false;
        }
        source->seed = parser.value(cl.seed).toULongLong(&ok);
        if (!ok) {
            fail(QStringLiteral("bad --seed \"%1\"").arg(parser.value(cl.seed)));
            return false;
        }
        source->spins = parser.value(cl.spins).toInt(&ok);
        if (!ok || source->spins < 1 || source->spins > NoxEngine::kMaxPlayed) {
            fail(QStringLiteral("bad --spins \"%1\" (1 to %2)")
                     .arg(parser.value(cl.spins))
                     .arg(NoxEngine::kMaxPlayed));
            return false;
        }
    }
    source->first = 0;
    source->end = source->count;
    if (parser.isSet(cl.shard) &&
        !shardRange(parser.value(cl.shard), source->count, &source->first, &source->end)) {
        fail(QStringLiteral("bad --shard \"%1\" (K/N with 1 <= K <= N)").arg(parser.value(cl.shard)));
        return false;
    }
    return true;
}

// Prints the names --list-methods or --list-montantes asks for.
int listNames(const RunCommandLine &cl, const NoxSimulator &simulator)
{
    QTextStream out(stdout);
    const QStringList names =
        cl.parser.isSet(cl.listMethods) ? simulator.methodNames() : simulator.montanteNames();
    for (const QString &name : names) {
        out << name << '\n';
    }
    return 0;
}

// What produced the shoes and how the engine is set: the shards of one run must agree on it.
QJsonObject describeRun(const NoxSimulator &simulator, bool baccarat, const Shoes &source)
{
    QJsonObject run;
    run.insert(QStringLiteral("settings"), simulator.settings());
    if (source.dealt) {
        run.insert(QStringLiteral("source"), QStringLiteral("dealt"));
        run.insert(QStringLiteral("seed"), QString::number(source.seed)); // 64 bits: beyond a JSON number
        if (!baccarat) {
            run.insert(QStringLiteral("spins"), source.spins);
        }
    } else {
        run.insert(QStringLiteral("source"), QStringLiteral("history"));
        run.insert(QStringLiteral("history"), source.file.digest());
    }
    return run;
}

// Plays the slice of shoes on the workers, with the progress bar unless `quiet`.
bool play(const RunSettings &settings, const QJsonObject &run, const Shoes &source, bool quiet,
          NoxSimResult *result, QString *error)
{
    Progress progress(!quiet);
    const qint64 count = source.end - source.first;
    return NoxSimRun::play(settings.config, run, shoeSource(source, settings.config.baccarat), source.first,
                           count, source.count, settings.jobs, result, error,
                           [&](qint64 done) { progress.show(done, count); });
}

// Read the options, load or deal the shoes, check the configuration (or list the names),
// play, report.
int runSimulation(const QCoreApplication &app)
{
    RunCommandLine commandLine;
    int exitCode = 0;
    if (!parseCommandLine(commandLine.parser, commandLine.help, app.arguments(), &exitCode)) {
        return exitCode;
    }
    RunSettings settings;
    QString error;
    if (!readRunSettings(commandLine, &settings, &error)) {
        return fail(error);
    }
    Shoes source;
    if (!loadShoes(commandLine, settings, &source)) {
        return kBadInput;
    }
    QJsonObject run;
    {
        // One simulator checks the configuration and describes the run; the workers make
        // their own.
        NoxSimulator simulator(settings.config);
        if (!simulator.prepare(&error)) {
            return fail(error);
        }
        if (settings.listing) {
            return listNames(commandLine, simulator);
        }
        run = describeRun(simulator, settings.config.baccarat, source);
    }
    NoxSimResult result;
    if (!play(settings, run, source, commandLine.parser.isSet(commandLine.quiet), &result, &error)) {
        return fail(error);
    }
    return report(result, settings.output);
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    // The C runtime's text mode would write every line end as CRLF: the report and the
    // messages keep the same bytes as on Linux (and as the files written with --json, --csv).
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    qInstallMessageHandler(writeMessage);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("noxsim"));
    // The engine tells of every guard stop at info level; a backtest counts them instead.
    QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false\nnox.engine.info=false"));
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1 && arguments.at(1) == u"merge") {
        return runMerge(QStringList{arguments.first()} + arguments.mid(2));
    }
    if (arguments.size() > 1 && arguments.at(1) == u"sessions") {
        return NoxSimArchive::list(QStringList{arguments.first()} + arguments.mid(2));
    }
    if (arguments.size() > 1 && arguments.at(1) == u"roads") {
        return NoxSimRoads::run(QStringList{arguments.first()} + arguments.mid(2));
    }
    return runSimulation(app);
}
