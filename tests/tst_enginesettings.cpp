#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"
#include "core/noxmethodparameterinterface.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "engine/noxprofilefile.h"
#include "money/noxmontante.h"
#include "testsupport.h"

#include <QRandomGenerator>

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Nox;
using NoxTest::fixedState;

namespace {

const QString kOrg = QStringLiteral("NoxTest");

// Four methods: two simple-chance ones, a plein and a user method.
void addMethods(NoxEngine &engine)
{
    engine.addMethodState(fixedState(QStringLiteral("BANKER"), NoxMethodType::cs, {NoxBetItemID::B_BANKER}));
    engine.addMethodState(fixedState(QStringLiteral("PLAYER"), NoxMethodType::cs, {NoxBetItemID::B_PLAYER}));
    NoxMethodState *tie = fixedState(QStringLiteral("Tie"), NoxMethodType::plein, {NoxBetItemID::N0});
    tie->setNumberMode(true); // as every plein method starts
    engine.addMethodState(tie);
    engine.addMethodState(fixedState(QStringLiteral("Ma méthode"), NoxMethodType::plein, {NoxBetItemID::N0},
                                     NoxMethodSubType::purpleperso4));
}

bool visible(const NoxEngine &engine, int id)
{
    return engine.methodState(id)->playModeFlags() & NoxMethodState::NormalList;
}

bool split(const NoxEngine &engine, int id)
{
    return engine.methodState(id)->playModeFlags() & NoxMethodState::SplitView;
}

// A method with one int parameter: it bets banker when the parameter is odd, player otherwise.
class ParityMethod : public NoxMethod, public NoxMethodInterface, public NoxMethodParameterInterface
{
public:
    ParityMethod()
        : NoxMethod(NoxMethodType::cs, NoxMethodSubType::none, QStringLiteral("Parity"))
    {}
    void process(const NoxMethodContext &) override
    {
        setProposal({m_value % 2 ? NoxBetItemID::B_BANKER : NoxBetItemID::B_PLAYER});
    }
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override {}
    NoxMethodParameterList parameters() const override
    {
        return {NoxMethodParameter::named(QStringLiteral("n"), m_value)};
    }
    void setParameters(const NoxMethodParameterList &parameters) override
    {
        m_value = parameters.value(0).value.toInt();
    }

private:
    int m_value = 0;
};

} // namespace

class TestEngineSettings : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
        QFile::remove(iniPath());
    }

    void freshStoreGivesTheDefaults()
    {
        NoxEngine engine(true);
        addMethods(engine);
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression(QStringLiteral("^SETTINGS .*NoxTest/engine\\.ini$")));
        QVERIFY(engine.setPersistence(true, kOrg));
        QCOMPARE(engine.settingsFileName(), iniPath());
        QCOMPARE(engine.settingsDirectory(), m_dir.path() + QStringLiteral("/NoxTest"));
        QCOMPARE(engine.config().shortTermCount, 50);
        QCOMPARE(engine.config().truncateCount, 50);
        const NoxFinancial f = engine.financial();
        for (NoxMethodType t : {NoxMethodType::plein, NoxMethodType::cs, NoxMethodType::col,
                                NoxMethodType::douz, NoxMethodType::sixain, NoxMethodType::trans}) {
            QCOMPARE(f.config(t).jeton, 10);
            QCOMPARE(f.config(t).jetonOrigine, 10);
        }
        for (NoxMethodState *s : engine.methodStates()) {
            QVERIFY(s->playModeFlags() & NoxMethodState::NormalList);
            QVERIFY(!s->isActive());
        }
    }

    void everythingSurvivesARestart()
    {
        {
            NoxEngine engine(true);
            addMethods(engine);
            engine.addMontante(NoxMethodType::cs, new NoxMontante(QStringLiteral("Masse égale")));
            engine.addMontante(NoxMethodType::cs, new NoxMontante(QStringLiteral("Montante CS")));
            engine.setPersistence(true, kOrg);
            NoxFinancial f = engine.financial();
            f.cs.jetonOrigine = 25;
            f.cs.diff0 = true;
            f.douz.useMontante = false;
            f.plein.stopProfit = true;
            f.perso.addZero = true;
            f.capitalOrigine = 5000; // not persisted
            engine.setFinancialConfig(f);
            NoxEngineConfig c = engine.config();
            c.shortTermCount = 30;
            c.truncateCount = 12;
            c.signalBlocDominant = true;
            c.compteurME = true;
            c.playQuick = true; // not persisted
            engine.setConfig(c);
            QVERIFY(engine.selectMontante(NoxMethodType::cs, QStringLiteral("Montante CS")));
            engine.setMethodActive(1, true);
            engine.setMethodPlayMode(2, NoxMethodState::NormalList, false);
            engine.setMethodPlayMode(3, NoxMethodState::SplitView, true);
            engine.setMethodUseNotif(0, true);
            engine.setMethodEcartNotif(0, 9);
            engine.setMethodUseCustomBlock(1, true);
            engine.setMethodCustomBlockMin(1, 3);
            engine.setMethodCustomBlockMax(1, 7);
            engine.setMethodNbBlockDom(1, 4);
            QVERIFY(!engine.setPersistence(false));
        }
        const QSettings ini(iniPath(), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("financial/cs/jeton")).toInt(), 25);
        QCOMPARE(ini.value(QStringLiteral("financial/cs/montante")).toString(),
                 QStringLiteral("Montante CS"));
        QCOMPARE(ini.value(QStringLiteral("engine/truncateCount")).toInt(), 12);
        QVERIFY(!ini.contains(QStringLiteral("financial/perso/jeton")));
        QVERIFY(!ini.contains(QStringLiteral("financial/plein/modeNum")));
        QVERIFY(!ini.contains(QStringLiteral("engine/playQuick")));
        QVERIFY(ini.contains(QStringLiteral("methods/banker/visible")));

        NoxEngine engine(true);
        addMethods(engine);
        engine.addMontante(NoxMethodType::cs, new NoxMontante(QStringLiteral("Masse égale")));
        engine.addMontante(NoxMethodType::cs, new NoxMontante(QStringLiteral("Montante CS")));
        engine.setPersistence(true, kOrg);
        const NoxFinancial f = engine.financial();
        QCOMPARE(f.cs.jetonOrigine, 25);
        QCOMPARE(f.cs.jeton, 25);
        QVERIFY(f.cs.diff0);
        QVERIFY(!f.douz.useMontante);
        QVERIFY(f.plein.stopProfit);
        QVERIFY(f.perso.addZero);
        QCOMPARE(f.capitalOrigine, NoxFinancial{}.capitalOrigine);
        const NoxEngineConfig c = engine.config();
        QCOMPARE(c.shortTermCount, 30);
        QCOMPARE(c.truncateCount, 12);
        QVERIFY(c.signalBlocDominant);
        QVERIFY(c.compteurME);
        QVERIFY(!c.playQuick);
        QCOMPARE(engine.methodState(0)->shortTermWindow(), 30);
        QCOMPARE(engine.methodState(0)->signalMask(), c.signalMask());
        QCOMPARE(engine.currentMontanteName(NoxMethodType::cs), QStringLiteral("Montante CS"));
        QVERIFY(!engine.methodState(0)->isActive());
        QVERIFY(engine.methodState(1)->isActive());
        QVERIFY(!visible(engine, 2));
        QVERIFY(split(engine, 3));
        QVERIFY(engine.methodState(0)->useNotif());
        QCOMPARE(engine.methodState(0)->ecartNotif(), 9);
        QCOMPARE(engine.methodState(1)->ecartNotif(), 6);
        QVERIFY(engine.methodState(1)->useCustomBlock());
        QCOMPARE(engine.methodState(1)->customBlockMin(), 3);
        QCOMPARE(engine.methodState(1)->customBlockMax(), 7);
        QCOMPARE(engine.methodState(1)->nbBlockDom(), 4);
        // The user method's zero option follows the perso chips.
        QVERIFY(engine.methodState(3)->zeroOption());
    }

    void storedValuesOfOtherTypesAreConverted()
    {
        {
            QSettings ini(iniPath(), QSettings::IniFormat);
            ini.setValue(QStringLiteral("methods/banker/active"), QStringLiteral("1"));
            ini.setValue(QStringLiteral("methods/player/active"), QStringLiteral("yes"));
            ini.setValue(QStringLiteral("methods/tie/active"), QStringLiteral("true"));
            ini.setValue(QStringLiteral("engine/shortTermCount"), QStringLiteral("forty"));
            ini.setValue(QStringLiteral("engine/truncateCount"), QStringLiteral("77"));
            ini.setValue(QStringLiteral("methods/banker/customBlockMin"), QStringLiteral("5"));
            ini.setValue(QStringLiteral("methods/banker/customBlockMax"), QStringLiteral("3"));
        }
        NoxEngine engine(true);
        addMethods(engine);
        engine.setPersistence(true, kOrg);
        QVERIFY(engine.methodState(0)->isActive());
        QVERIFY(!engine.methodState(1)->isActive());
        QVERIFY(engine.methodState(2)->isActive());
        QCOMPARE(engine.config().shortTermCount, 0); // unconvertible string
        QCOMPARE(engine.config().truncateCount, 77);
        // Bounds stored in the wrong order meet at the maximum: the block starts at 3.
        QCOMPARE(engine.methodState(0)->customBlockMin(), 3);
        QCOMPARE(engine.methodState(0)->customBlockMax(), 3);
    }

    void aDamagedStoreReadsAsDefaults()
    {
        QDir().mkpath(m_dir.path() + QStringLiteral("/NoxTest"));
        QByteArray garbage(4096, '\0');
        QRandomGenerator rng(3);
        for (char &c : garbage) {
            c = char(rng.bounded(256));
        }
        QVERIFY(NoxTest::writeFile(iniPath(), garbage + "\n[engine]\nshortTermCount=\xff\xfe\n"));
        NoxEngine engine(true);
        addMethods(engine);
        QVERIFY(engine.setPersistence(true, kOrg));
        QCOMPARE(engine.config().truncateCount, 50);
        QCOMPARE(engine.financial().cs.jeton, 10);
        QVERIFY(visible(engine, 0));
        // The next save leaves a store that reads back cleanly.
        engine.setConfig([&] {
            NoxEngineConfig c = engine.config();
            c.shortTermCount = 40;
            return c;
        }());
        QVERIFY(!engine.setPersistence(false));
        NoxEngine again(true);
        addMethods(again);
        again.setPersistence(true, kOrg);
        QCOMPARE(again.config().shortTermCount, 40);
    }

    void onlyTruncateCountChanged()
    {
        NoxEngine engine(true);
        addMethods(engine);
        QSignalSpy items(&engine, &NoxEngine::itemsToPlayChanged);
        QSignalSpy states(&engine, &NoxEngine::methodStatesChanged);
        NoxEngineConfig c = engine.config();
        c.truncateCount = 20;
        engine.setConfig(c);
        QCOMPARE(items.size(), 1);
        QCOMPARE(states.size(), 0);
        c.shortTermCount = 20;
        engine.setConfig(c);
        QCOMPARE(items.size(), 2);
        QCOMPARE(states.size(), 1);
    }

    void modeNumOfCsLeavesPleinAlone()
    {
        NoxEngine engine(true);
        addMethods(engine);
        QVERIFY(engine.methodState(2)->numberMode());
        NoxFinancial f = engine.financial();
        f.cs.modeNum = true;
        engine.setFinancialConfig(f);
        QVERIFY(engine.methodState(0)->numberMode());
        QVERIFY(engine.methodState(1)->numberMode());
        QVERIFY(!engine.methodState(0)->zeroOption());
        QVERIFY(engine.methodState(2)->numberMode());
        f.cs.addZero = true;
        engine.setFinancialConfig(f);
        QVERIFY(engine.methodState(0)->zeroOption());
        f.cs.modeNum = false;
        engine.setFinancialConfig(f);
        QVERIFY(!engine.methodState(0)->numberMode());
        QVERIFY(!engine.methodState(0)->zeroOption());
        QVERIFY(engine.methodState(2)->numberMode());
    }

    void splitViewHoldsTwoMethods()
    {
        NoxEngine engine(true);
        addMethods(engine);
        QSignalSpy changed(&engine, &NoxEngine::methodStateChanged);
        engine.setMethodPlayMode(0, NoxMethodState::SplitView, true);
        engine.setMethodPlayMode(1, NoxMethodState::SplitView, true);
        engine.setMethodPlayMode(2, NoxMethodState::SplitView, true);
        QVERIFY(split(engine, 0));
        QVERIFY(!split(engine, 1));
        QVERIFY(split(engine, 2));
        QVERIFY(!split(engine, 3));
        QCOMPARE(changed.size(), 3);
        engine.setMethodPlayMode(2, NoxMethodState::SplitView, true); // no change, no signal
        QCOMPARE(changed.size(), 3);
    }

    void zeroOptionAndTendencyOffsetSetters()
    {
        NoxEngine engine(true);
        addMethods(engine);
        QSignalSpy changed(&engine, &NoxEngine::methodStateChanged);
        engine.setMethodZeroOption(1, true);
        QVERIFY(engine.methodState(1)->zeroOption());
        QVERIFY(engine.methodState(1)->proposal().coversZero);
        engine.setMethodZeroOption(1, true); // no change, no signal
        const double threshold = engine.methodState(2)->tendencyThreshold();
        engine.setMethodTendencyOffset(2, -40.0);
        QCOMPARE(engine.methodState(2)->tendencyOffset(), -40.0);
        QCOMPARE(engine.methodState(2)->tendencyThreshold(), threshold - 40.0);
        engine.setMethodTendencyOffset(2, -40.0);
        engine.setMethodTendencyOffset(2, std::numeric_limits<double>::quiet_NaN());
        engine.setMethodTendencyOffset(99, 1.0); // no such method
        QCOMPARE(changed.size(), 2);
        QCOMPARE(changed.at(0).at(0).toInt(), 1);
        QCOMPARE(changed.at(1).at(0).toInt(), 2);
        QCOMPARE(engine.methodState(2)->tendencyOffset(), -40.0);
    }

    void hiddenMethodsStopBetting()
    {
        NoxEngine engine(true);
        addMethods(engine);
        engine.setMethodActive(0, true);
        QCOMPARE(engine.itemsToPlay().size(), 1);
        QSignalSpy items(&engine, &NoxEngine::itemsToPlayChanged);
        engine.setMethodPlayMode(0, NoxMethodState::NormalList, false);
        QCOMPARE(items.size(), 1);
        QVERIFY(engine.itemsToPlay().isEmpty());
    }

    void profilesRoundTripAndHideTheUnlisted()
    {
        NoxEngine engine(true);
        addMethods(engine);
        const QString longName(127, QLatin1Char('x'));
        const QString longerName(200, QLatin1Char('y'));
        engine.addMethodState(fixedState(longName, NoxMethodType::cs, {NoxBetItemID::B_PLAYER}));
        engine.addMethodState(fixedState(longerName, NoxMethodType::cs, {NoxBetItemID::B_PLAYER}));
        engine.setMethodPlayMode(1, NoxMethodState::NormalList, false);
        const QUrl url = QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("all.pfl")));
        QVERIFY(engine.saveProfile(url));
        QCOMPARE(engine.profileName(), url.toString());

        QMap<QString, bool> hidden;
        QVERIFY(NoxProfileFile::read(url.toLocalFile(), &hidden));
        QCOMPARE(hidden.size(), 6);
        QCOMPARE(hidden.value(longName), false);
        QCOMPARE(hidden.value(longerName), false);
        QCOMPARE(hidden.value(QStringLiteral("PLAYER")), true);

        // A profile that lists two methods hides every other one.
        const QString partial = m_dir.filePath(QStringLiteral("partial.pfl"));
        QVERIFY(NoxProfileFile::write(partial, {{QStringLiteral("PLAYER"), false}, {longerName, false}}));
        QSignalSpy states(&engine, &NoxEngine::methodStatesChanged);
        QVERIFY(engine.loadProfile(QUrl::fromLocalFile(partial)));
        QCOMPARE(states.size(), 1);
        QCOMPARE(engine.profileName(), QUrl::fromLocalFile(partial).toString());
        const QList<bool> expected{false, true, false, false, false, true};
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(visible(engine, i), expected.at(i));
        }

        QVERIFY(engine.loadProfile(url));
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(visible(engine, i), i != 1);
        }
    }

    void anyNonZeroHiddenByteHides()
    {
        NoxEngine engine(true);
        addMethods(engine);
        QFile file(m_dir.filePath(QStringLiteral("wide.pfl")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        // BANKER 0xff, PLAYER 0, Tie 2: only PLAYER is shown.
        file.write("\x03\x00\x00\x00"
                   "\x06"
                   "BANKER\xff"
                   "\x06"
                   "PLAYER\x00"
                   "\x03"
                   "Tie\x02",
                   4 + 8 + 8 + 5);
        file.close();
        QMap<QString, bool> hidden;
        QVERIFY(NoxProfileFile::read(file.fileName(), &hidden));
        QCOMPARE(hidden.value(QStringLiteral("BANKER")), true);
        QCOMPARE(hidden.value(QStringLiteral("PLAYER")), false);
        QCOMPARE(hidden.value(QStringLiteral("Tie")), true);
        QVERIFY(engine.loadProfile(QUrl::fromLocalFile(file.fileName())));
        QVERIFY(!visible(engine, 0));
        QVERIFY(visible(engine, 1));
        QVERIFY(!visible(engine, 2));
    }

    void badProfilesChangeNothing()
    {
        NoxEngine engine(true);
        addMethods(engine);
        const QUrl good = QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("good.pfl")));
        QVERIFY(engine.saveProfile(good));

        QFile garbage(m_dir.filePath(QStringLiteral("garbage.pfl")));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("\x02\x00\x00\x00\x05PLAYER\x01", 11); // name runs into the flag
        garbage.close();
        QFile truncated(m_dir.filePath(QStringLiteral("truncated.pfl")));
        QVERIFY(truncated.open(QIODevice::WriteOnly));
        truncated.write("\x04\x00\x00\x00\x06"
                        "BANKER",
                        11);
        truncated.close();

        const QList<QUrl> bad{QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("missing.pfl"))),
                              QUrl::fromLocalFile(garbage.fileName()),
                              QUrl::fromLocalFile(truncated.fileName()), QUrl()};
        QSignalSpy states(&engine, &NoxEngine::methodStatesChanged);
        for (const QUrl &url : bad) {
            QString error;
            QVERIFY(!engine.loadProfile(url, &error));
            QVERIFY2(!error.isEmpty(), qPrintable(url.toString()));
            QCOMPARE(engine.profileName(), good.toString());
            for (int i = 0; i < 4; ++i) {
                QVERIFY(visible(engine, i));
            }
        }
        QString error;
        QVERIFY(!engine.saveProfile(QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("no/such/dir/p.pfl"))),
                                    &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(engine.profileName(), good.toString());
        QCOMPARE(states.size(), 0);
    }

    void parametersRecomputeTheMethod()
    {
        NoxEngine engine(true);
        auto *method = new ParityMethod;
        engine.addMethodState(new NoxMethodState(method));
        engine.restart(true, true);
        engine.setMethodActive(0, true);
        QCOMPARE(engine.itemsToPlay().value(0).id, NoxBetItemID::B_PLAYER);
        QSignalSpy changed(&engine, &NoxEngine::methodStateChanged);
        engine.setMethodParameters(0, {NoxMethodParameter::named(QStringLiteral("n"), 3)}).waitForFinished();
        QCOMPARE(changed.size(), 1);
        QCOMPARE(engine.itemsToPlay().value(0).id, NoxBetItemID::B_BANKER);
        // A method without parameters ignores them.
        engine.addMethodState(
            fixedState(QStringLiteral("fixed"), NoxMethodType::cs, {NoxBetItemID::B_PLAYER}));
        engine.setMethodParameters(1, {NoxMethodParameter::named(QStringLiteral("n"), 3)}).waitForFinished();
        QCOMPARE(changed.size(), 1);
    }

private:
    QString iniPath() const { return m_dir.path() + QStringLiteral("/NoxTest/engine.ini"); }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestEngineSettings)
#include "tst_enginesettings.moc"
