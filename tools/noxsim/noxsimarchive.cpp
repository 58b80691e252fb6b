#include "noxsimarchive.h"

#include "noxsimhistory.h"

#include "archive/noxarchiveexport.h"
#include "archive/noxarchivereader.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDateTime>
#include <QTextStream>

namespace Nox {

namespace {

bool fail(const QString &message)
{
    QTextStream(stderr) << "noxsim: " << message << '\n';
    return false;
}

QString money(qint64 amount)
{
    return QString::asprintf("%+.2f", double(amount) / 100.0);
}

} // namespace

bool NoxSimArchive::read(const QString &path, const QString &which, bool baccarat, NoxSimHistory *history)
{
    NoxArchiveReader reader(path);
    QString error;
    if (!reader.open(&error)) {
        return fail(QStringLiteral("cannot read the archive %1: %2").arg(path, error));
    }
    QList<NoxArchivedSession> sessions;
    if (which == u"all") {
        const QList<NoxArchivedSession> every = reader.sessions();
        // Oldest first: the shoes in the order they were played.
        for (auto it = every.crbegin(); it != every.crend(); ++it) {
            if (it->baccarat == baccarat) {
                sessions.append(*it);
            }
        }
        if (const qsizetype other = every.size() - sessions.size(); other > 0) {
            QTextStream(stderr) << "noxsim: note: " << other << " session(s) of the other game left out\n";
        }
    } else {
        bool ok = false;
        const qint64 id = which.toLongLong(&ok);
        const std::optional<NoxArchivedSession> session = ok ? reader.session(id) : std::nullopt;
        if (!session) {
            return fail(
                QStringLiteral("no session \"%1\" in %2 (noxsim sessions %2 lists them)").arg(which, path));
        }
        if (session->baccarat != baccarat) {
            return fail(
                QStringLiteral("session %1 is a %2 session: give --game %2")
                    .arg(id)
                    .arg(session->baccarat ? QStringLiteral("baccarat") : QStringLiteral("roulette")));
        }
        sessions.append(*session);
    }
    QByteArray text;
    for (const NoxArchivedSession &s : std::as_const(sessions)) {
        const QByteArray shoes = NoxArchiveExport::history(s, reader.coups(s.id));
        if (!shoes.isEmpty()) {
            text += shoes + '\n'; // a session's last shoe ends with it
        }
    }
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    const QString name = which == u"all" ? path : QStringLiteral("%1 session %2").arg(path, which);
    return NoxSimHistory::readReporting(&buffer, name, baccarat, history);
}

int NoxSimArchive::list(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the sessions of an archive (sessions.sqlite beside the application's settings), "
        "newest first: the numbers --session takes."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("archive"), QStringLiteral("The archive file."));
    if (!parser.parse(arguments)) {
        fail(parser.errorText());
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.positionalArguments().size() != 1) {
        fail(QStringLiteral("sessions wants one archive file"));
        return 2;
    }
    const QString path = parser.positionalArguments().first();
    NoxArchiveReader reader(path);
    QString error;
    if (!reader.open(&error)) {
        fail(QStringLiteral("cannot read the archive %1: %2").arg(path, error));
        return 2;
    }
    QTextStream out(stdout);
    out << QStringLiteral("%1  %2  %3  %4  %5  %6  %7\n")
               .arg(QStringLiteral("session"), 7)
               .arg(QStringLiteral("started (UTC)"), -20)
               .arg(QStringLiteral("game"), -8)
               .arg(QStringLiteral("minutes"), 7)
               .arg(QStringLiteral("coups"), 6)
               .arg(QStringLiteral("result"), 10)
               .arg(QStringLiteral("max stake"), 9);
    for (const NoxArchivedSession &s : reader.sessions()) {
        out << QStringLiteral("%1  %2  %3  %4  %5  %6  %7\n")
                   .arg(s.id, 7)
                   .arg(QDateTime::fromMSecsSinceEpoch(s.startedMs, Qt::UTC)
                            .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                        -20)
                   .arg(s.baccarat ? QStringLiteral("baccarat") : QStringLiteral("roulette"), -8)
                   .arg(s.durationMs() / 60000, 7)
                   .arg(s.coups, 6)
                   .arg(money(s.result), 10)
                   .arg(QString::asprintf("%.2f", double(s.maxStake) / 100.0), 9);
    }
    return 0;
}

} // namespace Nox
