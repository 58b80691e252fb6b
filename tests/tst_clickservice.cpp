#include "autobet/noxbetplacement.h"
#include "autobet/noxclickservice.h"
#include "calibration/noxcalibration.h"
#include "recordinginput.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

using namespace Nox;
using Id = NoxBetItemID;
using Event = NoxTest::RecordingInput::Event;

namespace {

/// A small HTTP server on 127.0.0.1 for the click-planning client: it records each request
/// and answers with a fixed status and body, or never answers.
class FakeService : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Answer, Silent };

    FakeService()
    {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onData(socket); });
            }
        });
        server.listen(QHostAddress::LocalHost);
    }

    [[nodiscard]] QString base() const
    {
        return QStringLiteral("http://127.0.0.1:%1/api/v1").arg(server.serverPort());
    }

    QTcpServer server;
    Mode mode = Mode::Answer;
    int status = 200;
    QByteArray body;
    QByteArray lastHead;
    QByteArray lastBody;
    int requests = 0;

private:
    void onData(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
        if (headEnd < 0) {
            return;
        }
        const QByteArray head = buffer.left(headEnd);
        qsizetype length = 0;
        for (const QByteArray &line : head.split('\n')) {
            if (line.toLower().startsWith("content-length:")) {
                length = line.mid(15).trimmed().toLongLong();
            }
        }
        if (buffer.size() < headEnd + 4 + length) {
            return;
        }
        lastHead = head;
        lastBody = buffer.mid(headEnd + 4, length);
        ++requests;
        if (mode == Mode::Silent) {
            return;
        }
        const QByteArray reason = status == 200 ? "OK" : "Error";
        socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reason +
                      "\r\nContent-Type: application/json\r\nConnection: close\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QHash<QTcpSocket *, QByteArray> m_buffers;
};

NoxBet bet(Id id, int amount, int flags = 0)
{
    NoxBet b;
    b.id = id;
    b.bet = amount;
    b.flags = flags;
    return b;
}

NoxCalibrationItem item(Id id, double x, double y, int value = 0)
{
    NoxCalibrationItem it;
    it.itemId = id;
    it.x = x;
    it.y = y;
    it.active = true;
    it.value = value;
    return it;
}

QStringList s_log;
void collect(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (QByteArray(context.category) == "nox.autobet") {
        s_log.append(message);
    }
}

} // namespace

class TestClickService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void endpoint();
    void requestShape();
    void replyClicksInOrder();
    void doubleButtonPause();
    void serviceDown();
    void serviceSlowKeepsTheLoopRunning();
    void defaultTimeLimit();
    void httpError();
    void garbageReplies_data();
    void garbageReplies();
    void replyPlacingMoreThanTheStakesIsRefused();
    void replyWithUnknownIdsSkipsThem();
    void suspendedDoesNotAskTheService();
    void secondBetDuringTheWaitIsRefused();
    void placementDestroyedDuringTheWait();
    void stoppedAfterTheDoubleButtonLeavesTheAmountsUnknown();
    void placeNotAskedForIsReported();

private:
    FakeService *m_service = nullptr;
    NoxCalibration *m_calibration = nullptr;
    NoxTest::RecordingInput *m_input = nullptr;
    NoxBetPlacement *m_placement = nullptr;
    QtMessageHandler m_previous = nullptr;
};

void TestClickService::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false\nnox.autobet.debug=true"));
    m_previous = qInstallMessageHandler(collect);
}

void TestClickService::cleanupTestCase()
{
    qInstallMessageHandler(m_previous);
    delete m_placement;
    delete m_input;
    delete m_calibration;
    delete m_service;
}

void TestClickService::init()
{
    delete m_placement;
    delete m_input;
    delete m_calibration;
    delete m_service;
    m_service = new FakeService;
    QVERIFY(m_service->server.isListening());
    m_calibration = new NoxCalibration;
    m_calibration->setCalibrationItems({item(Id::JETON_1, 100, 900, 10), item(Id::JETON_2, 150, 900, 50),
                                        item(Id::B_PLAYER, 400, 500), item(Id::B_BANKER, 600, 500),
                                        item(Id::X_DBL, 700, 900)});
    m_calibration->setServiceUrl(m_service->base());
    m_input = new NoxTest::RecordingInput;
    m_placement = new NoxBetPlacement(m_calibration, m_input);
    s_log.clear();
}

void TestClickService::endpoint()
{
    QCOMPARE(NoxClickService::endpoint(QStringLiteral("http://h:81/api/v1")).toString(),
             QStringLiteral("http://h:81/api/v1/games/1"));
    QCOMPARE(NoxClickService::endpoint(QStringLiteral("https://h/api/v1/")).toString(),
             QStringLiteral("https://h/api/v1/games/1"));
    QVERIFY(!NoxClickService::endpoint(QStringLiteral("ftp://h/x")).isValid());
    QVERIFY(!NoxClickService::endpoint(QStringLiteral("not a url")).isValid());
    QVERIFY(!NoxClickService::endpoint(QString()).isValid());
}

void TestClickService::requestShape()
{
    m_service->body = R"({"items": []})";
    m_calibration->setToggleJetonMode(true);
    QVERIFY(m_placement->place({bet(Id::B_TIE, 0), bet(Id::B_BANKER, 60, NoxBet::Recovery)}).ok);
    QCOMPARE(m_service->requests, 1);
    QVERIFY(m_service->lastHead.startsWith("POST /api/v1/games/1 HTTP/1.1"));
    QVERIFY(m_service->lastHead.toLower().contains("content-type: application/json"));
    QVERIFY(m_service->lastBody.contains('\n')); // indented
    const QJsonObject request = QJsonDocument::fromJson(m_service->lastBody).object();
    const QJsonArray items = request.value(QStringLiteral("items")).toArray();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0].toObject().value(QStringLiteral("id")).toInt(), 4000);
    QCOMPARE(items[0].toObject().value(QStringLiteral("bet")).toInt(), 0);
    QCOMPARE(items[1].toObject().value(QStringLiteral("id")).toInt(), 4002);
    QCOMPARE(items[1].toObject().value(QStringLiteral("bet")).toInt(), 60);
    QCOMPARE(items[1].toObject().value(QStringLiteral("flags")).toInt(), int(NoxBet::Recovery));
    QCOMPARE(request.value(QStringLiteral("toggleJetonMode")).toBool(), true);
    QCOMPARE(request.value(QStringLiteral("jetonValues")).toArray(), QJsonArray({10, 50, 0, 0, 0, 0, 0, 0}));
    // An empty reply: "BET 0" and the cursor restored, nothing else.
    QCOMPARE(m_input->only(Event::Click).size(), 0);
    QVERIFY(s_log.contains(QStringLiteral("BET 0 clicks at 30 ms ")));
}

void TestClickService::replyClicksInOrder()
{
    m_service->body = R"({"items": [10001, 4002, 4002], "other": "ignored"})";
    const NoxBetResult result = m_placement->place({bet(Id::B_BANKER, 20)});
    QVERIFY2(result.ok, qPrintable(result.reason));
    const QList<Event> expected = {
        {Event::Read, QPoint(5, 7), 0},
        {Event::Click, QPoint(100, 900), 30},
        {Event::Click, QPoint(600, 500), 30},
        {Event::Move, QPoint(5, 7), 0},
        {Event::Sleep, {}, 30},
        {Event::Click, QPoint(600, 500), 30},
        {Event::Move, QPoint(5, 7), 0},
    };
    QCOMPARE(m_input->actions(), expected);
    QVERIFY(s_log.first().startsWith(QStringLiteral("RESP {\"items\": [10001, 4002, 4002]")));
}

void TestClickService::doubleButtonPause()
{
    m_service->body = R"({"items": [2001]})";
    QVERIFY(m_placement->place({bet(Id::B_BANKER, 20)}).ok);
    const QList<Event> expected = {
        {Event::Read, QPoint(5, 7), 0},
        {Event::Click, QPoint(700, 900), 30},
        {Event::Sleep, {}, 110},
        {Event::Move, QPoint(5, 7), 0},
    };
    QCOMPARE(m_input->actions(), expected);
}

void TestClickService::serviceDown()
{
    const quint16 port = m_service->server.serverPort();
    m_service->server.close();
    m_calibration->setServiceUrl(QStringLiteral("http://127.0.0.1:%1/api/v1").arg(port));
    const NoxBetResult result = m_placement->place({bet(Id::B_BANKER, 20)});
    QVERIFY(!result.ok);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(m_input->events.isEmpty());
    QVERIFY(s_log.contains(QStringLiteral("ERR ConnectionRefusedError")));
}

void TestClickService::serviceSlowKeepsTheLoopRunning()
{
    m_service->mode = FakeService::Mode::Silent;
    m_placement->service()->setTimeout(400);
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(20);
    QElapsedTimer clock;
    clock.start();
    const NoxBetResult result = m_placement->place({bet(Id::B_BANKER, 20)});
    const qint64 elapsed = clock.elapsed();
    QVERIFY(!result.ok);
    QVERIFY2(result.reason.contains(QStringLiteral("0.4")), qPrintable(result.reason));
    QVERIFY2(elapsed >= 380, qPrintable(QString::number(elapsed)));
    QVERIFY(elapsed < 5000);
    QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks))); // the event loop ran while waiting
    QVERIFY(m_input->events.isEmpty());
    QCOMPARE(m_service->requests, 1);
}

void TestClickService::defaultTimeLimit()
{
    const NoxClickService service;
    QCOMPARE(service.timeout(), 5000);
    QCOMPARE(m_placement->service()->timeout(), 5000);
}

void TestClickService::httpError()
{
    m_service->status = 500;
    m_service->body = R"({"items": [10001, 4002]})";
    const NoxBetResult result = m_placement->place({bet(Id::B_BANKER, 10)});
    QVERIFY(!result.ok);
    QVERIFY(m_input->events.isEmpty());
    QVERIFY(s_log.first().startsWith(QStringLiteral("ERR ")));
}

void TestClickService::garbageReplies_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("not json") << QByteArray("<html>Bad gateway</html>");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("array") << QByteArray("[10001, 4002]");
    QTest::newRow("no items") << QByteArray(R"({"clicks": [10001]})");
    QTest::newRow("items not an array") << QByteArray(R"({"items": "10001,4002"})");
    QTest::newRow("string element") << QByteArray(R"({"items": [10001, "4002"]})");
    QTest::newRow("fraction") << QByteArray(R"({"items": [10001, 4002.5]})");
    QTest::newRow("negative") << QByteArray(R"({"items": [10001, -4002]})");
    QTest::newRow("huge") << QByteArray(R"({"items": [10001, 1e300]})");
    QByteArray endless = "{\"items\": [10001";
    for (int i = 0; i < 600; ++i) {
        endless += ", 4002";
    }
    QTest::newRow("too many clicks") << QByteArray(endless + "]}");
}

void TestClickService::garbageReplies()
{
    QFETCH(QByteArray, body);
    m_service->body = body;
    const NoxBetResult result = m_placement->place({bet(Id::B_BANKER, 20)});
    QVERIFY(!result.ok);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(m_input->events.isEmpty());
}

void TestClickService::replyPlacingMoreThanTheStakesIsRefused()
{
    m_service->body = R"({"items": [10002, 4002, 4002]})";
    const NoxBetResult result = m_placement->place({bet(Id::B_BANKER, 50)});
    QVERIFY(!result.ok);
    QVERIFY2(result.reason.contains(QStringLiteral("1.00")), qPrintable(result.reason));
    QVERIFY(m_input->events.isEmpty());
}

void TestClickService::replyWithUnknownIdsSkipsThem()
{
    m_service->body = R"({"items": [10001, 777, 4001]})";
    const NoxBetResult result = m_placement->place({bet(Id::B_PLAYER, 10)});
    QVERIFY2(result.ok, qPrintable(result.reason));
    QCOMPARE(m_input->only(Event::Click).size(), 2);
    QVERIFY(s_log.contains(QStringLiteral("No calibration for 777")));
}

void TestClickService::suspendedDoesNotAskTheService()
{
    m_service->body = R"({"items": [10001, 4002]})";
    const NoxBetResult result = m_placement->place({bet(Id::B_BANKER, 10, NoxBet::Suspended)});
    QVERIFY(result.ok);
    QCOMPARE(m_service->requests, 0);
    QVERIFY(m_input->only(Event::Click).isEmpty());
}

void TestClickService::secondBetDuringTheWaitIsRefused()
{
    m_service->mode = FakeService::Mode::Silent;
    m_placement->service()->setTimeout(300);
    NoxBetResult nested;
    bool ran = false;
    QTimer::singleShot(50, this, [&] {
        nested = m_placement->place({bet(Id::B_BANKER, 10)});
        ran = true;
    });
    QVERIFY(!m_placement->place({bet(Id::B_BANKER, 10)}).ok);
    QVERIFY(ran);
    QVERIFY(!nested.ok);
    QVERIFY(!nested.reason.isEmpty());
    QCOMPARE(m_service->requests, 1);
    QVERIFY(!m_placement->isBusy());
}

void TestClickService::placementDestroyedDuringTheWait()
{
    m_service->mode = FakeService::Mode::Silent;
    m_placement->service()->setTimeout(2000);
    QTimer::singleShot(50, this, [this] {
        delete m_placement;
        m_placement = nullptr;
    });
    QElapsedTimer clock;
    clock.start();
    NoxBetPlacement *placement = m_placement;
    const NoxBetResult result = placement->place({bet(Id::B_BANKER, 10)});
    QVERIFY(!result.ok);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(!m_placement);
    QVERIFY(m_input->events.isEmpty());
    // The wait ended with the object, not at the time limit.
    QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
}

void TestClickService::stoppedAfterTheDoubleButtonLeavesTheAmountsUnknown()
{
    m_service->body = R"({"items": [10001, 4002, 2001, 4002]})";
    m_input->controlFromClick = 3;
    const NoxBetResult result = m_placement->place({bet(Id::B_BANKER, 20)});
    QVERIFY(result.ok);
    QVERIFY(result.interrupted);
    QCOMPARE(result.clicked, 3);
    QCOMPARE(result.planned, 4);
    QVERIFY(result.doubled);
    QCOMPARE(result.stakes, QList<NoxPlacedStake>({{Id::B_BANKER, 20, 10}}));
    QVERIFY2(result.reason.contains(QStringLiteral("3 clics sur 4 faits.\nLe bouton doubler a été cliqué")),
             qPrintable(result.reason));
    QVERIFY(!result.reason.contains(QStringLiteral("Sur la table")));
}

void TestClickService::placeNotAskedForIsReported()
{
    // Within the money of the stakes, but on PLAYER: the clicks are made, and the report shows it.
    m_service->body = R"({"items": [10001, 4001]})";
    m_input->controlFromClick = 2;
    const NoxBetResult result = m_placement->place({bet(Id::B_BANKER, 10)});
    QVERIFY(result.interrupted);
    QCOMPARE(result.stakes, QList<NoxPlacedStake>({{Id::B_PLAYER, 0, 10}, {Id::B_BANKER, 10, 0}}));
    QVERIFY2(result.reason.contains(QStringLiteral("PLAYER 0.10 sur 0.00\nBANKER 0.00 sur 0.10")),
             qPrintable(result.reason));
}

QTEST_GUILESS_MAIN(TestClickService)
#include "tst_clickservice.moc"
