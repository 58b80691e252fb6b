// noxsim: backtests the method catalogue over a played history or dealt baccarat shoes.

#include "noxbaccaratshoe.h"
#include "noxsimreport.h"
#include "noxsimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <unistd.h>

using namespace Nox;

namespace {

constexpr int kBadInput = 2;

int fail(const QString &message)
{
    QTextStream(stderr) << "noxsim: " << message << Qt::endl;
    return kBadInput;
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
    void show(int done, int total)
    {
        if (!m_enabled || total <= 0) {
            return;
        }
        const int percent = int(100LL * done / total);
        if (percent == m_last && done != total) {
            return;
        }
        m_last = percent;
        const int width = 40;
        const int filled = width * done / total;
        std::fprintf(stderr, "\r[%s%s] %3d%%  shoe %d/%d", std::string(size_t(filled), '#').c_str(),
                     std::string(size_t(width - filled), ' ').c_str(), percent, done, total);
        if (done == total) {
            std::fputc('\n', stderr);
        }
        std::fflush(stderr);
    }

private:
    bool m_enabled;
    int m_last = -1;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("noxsim"));
    QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Backtests the method catalogue over a played history (one result per line: T, P, B at baccarat, "
        "0 to 36 at roulette; blank lines between shoes) or over dealt eight-deck baccarat shoes."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("history"),
                                 QStringLiteral("History file to replay (omit to deal shoes)."));
    const QCommandLineOption game(QStringLiteral("game"), QStringLiteral("baccarat (default) or roulette."),
                                  QStringLiteral("game"), QStringLiteral("baccarat"));
    const QCommandLineOption shoes(QStringLiteral("shoes"), QStringLiteral("Shoes to deal (default 100)."),
                                   QStringLiteral("n"), QStringLiteral("100"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the dealt shoes (default 1)."), QStringLiteral("n"),
                                  QStringLiteral("1"));
    const QCommandLineOption method(QStringLiteral("method"),
                                    QStringLiteral("Activate a method by name (repeatable)."),
                                    QStringLiteral("name"));
    const QCommandLineOption all(QStringLiteral("all"), QStringLiteral("Activate every method."));
    const QCommandLineOption montante(
        QStringLiteral("montante"),
        QStringLiteral("Progression of a bet kind, e.g. cs=\"Masse égale\" (repeatable)."),
        QStringLiteral("kind=name"));
    const QCommandLineOption chip(QStringLiteral("chip"),
                                  QStringLiteral("Chip of a bet kind in currency units, e.g. cs=5."),
                                  QStringLiteral("kind=amount"));
    const QCommandLineOption capital(QStringLiteral("capital"),
                                     QStringLiteral("Starting capital (default 1000)."),
                                     QStringLiteral("amount"));
    const QCommandLineOption stopLoss(QStringLiteral("stop-loss"),
                                      QStringLiteral("Loss limit (default 100)."), QStringLiteral("amount"));
    const QCommandLineOption takeProfit(
        QStringLiteral("take-profit"), QStringLiteral("Gain limit (default 100)."), QStringLiteral("amount"));
    const QCommandLineOption library(
        QStringLiteral("library"),
        QStringLiteral("Progression library file to use instead of the built-in one."),
        QStringLiteral("file"));
    const QCommandLineOption top(QStringLiteral("top"),
                                 QStringLiteral("Rows of the method table (default all)."),
                                 QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption csv(QStringLiteral("csv"), QStringLiteral("Also write the method table as CSV."),
                                 QStringLiteral("file"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Also write all results as JSON."),
                                  QStringLiteral("file"));
    const QCommandLineOption quiet(QStringLiteral("quiet"), QStringLiteral("No progress bar."));
    const QCommandLineOption listMethods(QStringLiteral("list-methods"),
                                         QStringLiteral("List the methods and stop."));
    const QCommandLineOption listMontantes(QStringLiteral("list-montantes"),
                                           QStringLiteral("List the progressions and stop."));
    parser.addOptions({game, shoes, seed, method, all, montante, chip, capital, stopLoss, takeProfit, library,
                       top, csv, json, quiet, listMethods, listMontantes});
    parser.process(app);

    NoxSimulator::Config config;
    const QString gameName = parser.value(game).toLower();
    if (gameName != u"baccarat" && gameName != u"roulette") {
        return fail(QStringLiteral("unknown game \"%1\" (baccarat or roulette)").arg(parser.value(game)));
    }
    config.baccarat = gameName == u"baccarat";
    config.methods = parser.values(method);
    config.activateAll = parser.isSet(all);
    QString error;
    QMap<QString, QString> montantes;
    QMap<QString, QString> chips;
    if (!keyValues(parser.values(montante), "montante", &montantes, &error) ||
        !keyValues(parser.values(chip), "chip", &chips, &error)) {
        return fail(error);
    }
    config.montantes = montantes;
    config.library = parser.value(library);
    for (auto it = chips.cbegin(); it != chips.cend(); ++it) {
        int cents = 0;
        if (!amount(it.value(), &cents)) {
            return fail(QStringLiteral("bad chip amount \"%1\" for %2").arg(it.value(), it.key()));
        }
        config.chips.insert(it.key(), cents);
    }
    const QPair<const QCommandLineOption *, std::optional<int> *> amounts[] = {
        {&capital, &config.capital}, {&stopLoss, &config.stopLoss}, {&takeProfit, &config.takeProfit}};
    for (const auto &[option, field] : amounts) {
        if (parser.isSet(*option)) {
            int cents = 0;
            if (!amount(parser.value(*option), &cents)) {
                return fail(QStringLiteral("bad amount \"%1\" for --%2")
                                .arg(parser.value(*option), option->names().first()));
            }
            *field = cents;
        }
    }
    bool ok = false;
    const int topRows = parser.value(top).toInt(&ok);
    if (!ok || topRows < 0) {
        return fail(QStringLiteral("bad --top \"%1\"").arg(parser.value(top)));
    }

    // The history: a file, or dealt shoes.
    QList<QList<int>> history;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        return fail(QStringLiteral("one history file at most"));
    }
    if (!positional.isEmpty()) {
        QFile file(positional.first());
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            return fail(QStringLiteral("cannot read %1: %2").arg(positional.first(), file.errorString()));
        }
        QStringList errors;
        if (!NoxSimulator::parseHistory(QString::fromUtf8(file.readAll()), config.baccarat, &history,
                                        &errors)) {
            QTextStream err(stderr);
            for (const QString &e : errors.mid(0, 20)) {
                err << positional.first() << ": " << e << Qt::endl;
            }
            if (errors.size() > 20) {
                err << positional.first() << ": " << errors.size() - 20 << " more lines do not parse"
                    << Qt::endl;
            }
            return kBadInput;
        }
        if (history.isEmpty()) {
            return fail(QStringLiteral("%1 holds no result").arg(positional.first()));
        }
    } else if (!parser.isSet(listMethods) && !parser.isSet(listMontantes)) {
        if (!config.baccarat) {
            return fail(QStringLiteral("roulette needs a history file (shoes are dealt at baccarat only)"));
        }
        const int count = parser.value(shoes).toInt(&ok);
        const qulonglong seedValue = parser.value(seed).toULongLong(&ok);
        if (count <= 0 || count > 1000000) {
            return fail(QStringLiteral("bad --shoes \"%1\" (1 to 1000000)").arg(parser.value(shoes)));
        }
        if (!ok) {
            return fail(QStringLiteral("bad --seed \"%1\"").arg(parser.value(seed)));
        }
        NoxBaccaratShoe dealer(seedValue);
        for (int i = 0; i < count; ++i) {
            const std::vector<int> coups = dealer.dealShoe();
            history.append(QList<int>(coups.begin(), coups.end()));
        }
    }

    NoxSimulator simulator(config);
    if (!simulator.prepare(&error)) {
        return fail(error);
    }
    QTextStream out(stdout);
    if (parser.isSet(listMethods)) {
        for (const QString &name : simulator.methodNames()) {
            out << name << '\n';
        }
        return 0;
    }
    if (parser.isSet(listMontantes)) {
        for (const QString &name : simulator.montanteNames()) {
            out << name << '\n';
        }
        return 0;
    }

    Progress progress(!parser.isSet(quiet));
    for (int i = 0; i < history.size(); ++i) {
        simulator.playShoe(history.at(i));
        progress.show(i + 1, int(history.size()));
    }
    const QList<NoxSimulator::MethodResult> results = simulator.methodResults();
    const NoxSimulator::Bankroll bankroll = simulator.bankroll();
    out << NoxSimReport::text(results, bankroll, topRows);
    out.flush();
    if (parser.isSet(csv) && !writeFile(parser.value(csv), NoxSimReport::csv(results), &error)) {
        return fail(error);
    }
    if (parser.isSet(json) && !writeFile(parser.value(json), NoxSimReport::json(results, bankroll), &error)) {
        return fail(error);
    }
    return 0;
}
