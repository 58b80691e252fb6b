// The sessions page's C++ side: the list model read a page at a time (under
// QAbstractItemModelTester), its figures as the page shows them, the periods at a given time,
// the totals, the selection's curve and the deletion through the archive.

#include "archivesupport.h"
#include "testsupport.h"

#include "archive/noxarchive.h"
#include "archive/noxarchivereader.h"
#include "core/noxclock.h"
#include "uisessionarchive.h"
#include "uisessionlistmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using namespace Nox;
using namespace NoxTest;

namespace {

class FixedClock : public NoxClock
{
public:
    explicit FixedClock(qint64 ms)
        : m_ms(ms)
    {}
    [[nodiscard]] qint64 nowMs() const override { return m_ms; }

private:
    qint64 m_ms;
};

constexpr qint64 kHour = 3600 * 1000;
constexpr qint64 kDay = 24 * kHour;

} // namespace

class TestUiSessionList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        useSandbox(m_dir);
        m_path = m_dir.filePath(QStringLiteral("sessions.sqlite"));
        m_archive = std::make_unique<NoxArchive>(m_path);
        m_archive->start();
        // 120 sessions, one every 12 hours back from m_now - 1 h, each 2 coups over 30 minutes.
        for (int k = 0; k < 120; ++k) {
            const QString uid = QStringLiteral("s%1").arg(k);
            const qint64 start = m_now - kHour - k * 12 * kHour;
            m_archive->record(startRecord(uid, start, 100000));
            m_archive->record(coupRecord(uid, start + 60000, 1, 500, 500, 100500));
            m_archive->record(coupRecord(uid, start + 30 * 60000, 2, 1000, -1000 - k, 99500 - k));
        }
        QVERIFY(m_archive->waitForWritten());
    }

    void pagesAsItIsScrolled()
    {
        UISessionListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setArchivePath(m_path);
        QCOMPARE(model.totalCount(), 120);
        QCOMPARE(model.rowCount(), UISessionListModel::kPageSize);
        QVERIFY(model.canFetchMore({}));
        model.fetchMore({});
        QCOMPARE(model.rowCount(), 100);
        model.fetchMore({});
        QCOMPARE(model.rowCount(), 120);
        QVERIFY(!model.canFetchMore({}));
        // Newest first.
        QCOMPARE(model.sessionAt(0)->uid, QStringLiteral("s0"));
        QCOMPARE(model.sessionAt(119)->uid, QStringLiteral("s119"));
        model.setPeriod(m_now - kDay, NoxArchiveReader::kAll);
        QCOMPARE(model.rowCount(), 2);
        QVERIFY(!model.canFetchMore({}));
        model.removeRowOf(model.sessionAt(0)->id);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.totalCount(), 1);
        // An archive not there yet: empty, and read once it exists.
        UISessionListModel missing;
        QAbstractItemModelTester missingTester(&missing,
                                               QAbstractItemModelTester::FailureReportingMode::QtTest);
        missing.setArchivePath(m_dir.filePath(QStringLiteral("none.sqlite")));
        QCOMPARE(missing.rowCount(), 0);
        QVERIFY(!missing.canFetchMore({}));
    }

    void figuresAsThePageShowsThem()
    {
        UISessionListModel model;
        model.setArchivePath(m_path);
        const QModelIndex first = model.index(0, 0);
        QCOMPARE(first.data(UISessionListModel::CoupsRole).toInt(), 2);
        QCOMPARE(first.data(UISessionListModel::ResultRole).toString(), QStringLiteral("\u22125.00"));
        QCOMPARE(first.data(UISessionListModel::GainRole).toInt(), -1);
        QCOMPARE(first.data(UISessionListModel::DurationRole).toString(), QStringLiteral("30 min"));
        QCOMPARE(first.data(UISessionListModel::PerHourRole).toString(), QStringLiteral("\u221210.00 / h"));
        QCOMPARE(first.data(UISessionListModel::MaxStakeRole).toString(), QStringLiteral("10.00"));
        QVERIFY(first.data(UISessionListModel::BaccaratRole).toBool());

        QCOMPARE(UISessionListModel::money(1250, true), QStringLiteral("+12.50"));
        QCOMPARE(UISessionListModel::money(0, true), QStringLiteral("+0.00"));
        QCOMPARE(UISessionListModel::money(-300, false), QStringLiteral("\u22123.00"));
        QCOMPARE(UISessionListModel::duration(65 * 60000), QStringLiteral("1 h 05"));
        QCOMPARE(UISessionListModel::duration(59 * 60000 + 59999), QStringLiteral("59 min"));
        // Too short a session says nothing per hour.
        QCOMPARE(UISessionListModel::perHour(5000, UISessionListModel::kMinPerHourMs - 1),
                 QStringLiteral("\u2014"));
        QCOMPARE(UISessionListModel::perHour(600, 2 * kHour), QStringLiteral("+3.00 / h"));
    }

    // The periods at a fixed time, their totals, the selection's curve, a deletion.
    void periodsTotalsAndDeletion()
    {
        UISessionArchive facade;
        FixedClock clock(m_now);
        facade.setClock(&clock);
        facade.setArchive(m_archive.get());
        QAbstractItemModelTester tester(facade.sessions(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(facade.period(), UISessionArchive::Month);
        QCOMPARE(facade.totalSessions(), 60); // 30 days of two sessions
        facade.setPeriod(UISessionArchive::Week);
        QCOMPARE(facade.totalSessions(), 14);
        QCOMPARE(facade.totalCoups(), 28);
        // Each session: -5.00 - k hundredths.
        QCOMPARE(facade.totalResult(),
                 QStringLiteral("\u2212%1").arg(QString::asprintf("%.2f", (14 * 500 + 91) / 100.0)));
        QCOMPARE(facade.totalGain(), -1);
        facade.setPeriod(UISessionArchive::All);
        QCOMPARE(facade.totalSessions(), 120);
        const QPair<qint64, qint64> today = facade.periodRange(UISessionArchive::Today);
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(today.first).time(), QTime(0, 0));
        QVERIFY(today.first <= m_now && m_now - today.first < kDay);
        const QPair<qint64, qint64> year = facade.periodRange(UISessionArchive::Year);
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(year.first).date(),
                 QDate(QDateTime::fromMSecsSinceEpoch(m_now).date().year(), 1, 1));

        QSignalSpy selection(&facade, &UISessionArchive::selectionChanged);
        facade.setSelectedRow(3);
        QCOMPARE(selection.size(), 1);
        QCOMPARE(facade.selectedCurve(), (QList<int>{0, 500, -503}));
        QVERIFY(facade.selectedDetails().contains(QStringLiteral("BANKER")));
        facade.setSelectedRow(500);
        QCOMPARE(facade.selectedRow(), -1);

        QSignalSpy changed(m_archive.get(), &NoxArchive::changed);
        QVERIFY(facade.deleteSession(0));
        QCOMPARE(facade.totalSessions(), 119);
        QCOMPARE(facade.sessions()->rowCount(), 49);
        QVERIFY(m_archive->waitForWritten());
        QTRY_COMPARE(facade.sessions()->totalCount(), 119);
        QCOMPARE(facade.sessions()->sessionAt(0)->uid, QStringLiteral("s1"));
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    qint64 m_now = QDateTime(QDate(2024, 6, 15), QTime(20, 30)).toMSecsSinceEpoch();
    std::unique_ptr<NoxArchive> m_archive;
};

QTEST_MAIN(TestUiSessionList)
#include "tst_uisessionlist.moc"
