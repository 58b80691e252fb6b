#include "core/noxbetitem.h"
#include "core/noxitem.h"

#include <QtTest>

using namespace Nox;

class TestBetItem : public QObject
{
    Q_OBJECT

private slots:
    void tableShape()
    {
        QCOMPARE(betItems().size(), std::size_t(148));
        QCOMPARE(betItems().front().id(), NoxBetItemID::N0);
        QCOMPARE(int(NoxBetItemID::CH35_36), 122);
        QCOMPARE(int(NoxBetItemID::CH_LAST), 155);
        QCOMPARE(int(NoxMethodType::cs), 10);
    }

    void lookup()
    {
        QCOMPARE(betItem(NoxBetItemID::CH2_5).nums(), (QList<int>{2, 5}));
        QCOMPARE(betItem(NoxBetItemID::CH2_5).payout(), 1700);
        QCOMPARE(betItem(NoxBetItemID::CH4_5).nums(), (QList<int>{4, 5}));
        QCOMPARE(betItem(NoxBetItemID::CA22).nums(), (QList<int>{32, 33, 35, 36}));
        QCOMPARE(betItem(NoxBetItemID::T12).name(), QStringLiteral("TX12"));
        QCOMPARE(betItem(NoxBetItemID::CL2).nums().size(), 12);
        // Identifiers without a row fall back to the first row.
        QCOMPARE(betItem(NoxBetItemID::SX7).id(), NoxBetItemID::N0);
        QCOMPARE(betItem(NoxBetItemID::X_DBL).id(), NoxBetItemID::N0);
        QVERIFY(!hasBetItem(NoxBetItemID::JETON_1));
    }

    void payouts()
    {
        QCOMPARE(betItem(NoxBetItemID::B_BANKER).gain(10), 9);
        QCOMPARE(betItem(NoxBetItemID::B_PLAYER).gain(10), 10);
        QCOMPARE(betItem(NoxBetItemID::B_TIE).gain(10), 80);
        for (NoxBetItemID id : {NoxBetItemID::CS_R, NoxBetItemID::CS_N, NoxBetItemID::CS_P,
                                NoxBetItemID::CS_I, NoxBetItemID::CL1, NoxBetItemID::DZ3}) {
            QVERIFY(!betItem(id).wins(0));
        }
    }

    void namesAndColours()
    {
        QCOMPARE(NoxItem::fromValue(0).colorName(), QStringLiteral("green"));
        QCOMPARE(NoxItem::fromValue(1).colorName(), QStringLiteral("red"));
        QCOMPARE(NoxItem::fromValue(2).colorName(), QStringLiteral("black"));
        QString text;
        QDebug(&text) << NoxBetItemID::B_BANKER << NoxMethodType::cs << NoxTendance::up
                      << NoxBetItemID::CH1_2;
        QVERIFY2(text.contains(QStringLiteral("B_BANKER")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("cs")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("up")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("CH1_2")) && !text.contains(QStringLiteral("CH_FIRST")),
                 qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestBetItem)
#include "tst_betitem.moc"
