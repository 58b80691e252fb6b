// The editor of a user progression: its defaults are those of a new progression, its numbers
// stay within the progression's ranges, the name and steps are stored normalised, and what it
// saves through the facade comes back field for field.

#include "engine/noxengine.h"
#include "money/montanteperso.h"
#include "testsupport.h"
#include "uistepmove.h"
#include "uitestsupport.h"
#include "uiusermontanteeditor.h"
#include "uiwrapper.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>

using Nox::MontantePerso;
using NoxTest::EngineRoot;

namespace {

/// Every field of an editor, to compare two of them at once.
QVariantMap fieldsOf(const UIUserMontanteEditor &e)
{
    return {{QStringLiteral("name"), e.name()},
            {QStringLiteral("steps"), e.steps()},
            {QStringLiteral("nbPaliersBack"), e.nbPaliersBack()},
            {QStringLiteral("nbPaliersBackPerte"), e.nbPaliersBackPerte()},
            {QStringLiteral("recupEnabled"), e.recupEnabled()},
            {QStringLiteral("recupLossDivider"), e.recupLossDivider()},
            {QStringLiteral("nbToursMontante"), e.nbToursMontante()},
            {QStringLiteral("recupRecompute"), e.recupRecompute()},
            {QStringLiteral("nbWinRecalcul"), e.nbWinRecalcul()}};
}

/// An editor with every field away from its default.
void fillAwayFromDefaults(UIUserMontanteEditor &e)
{
    e.setName(QStringLiteral("Ma montante é"));
    e.setSteps(QStringLiteral("2,3,5,8"));
    e.setNbPaliersBack(-2);
    e.setNbPaliersBackPerte(3);
    e.setRecupEnabled(true);
    e.setRecupLossDivider(7);
    e.setNbToursMontante(9);
    e.setRecupRecompute(true);
    e.setNbWinRecalcul(11);
}

QList<int> userIds(const UIWrapper &ui)
{
    QList<int> ids;
    for (const QVariant &entry : ui.getUserMontantes()) {
        ids << entry.toMap().value(QStringLiteral("montanteId")).toInt();
    }
    return ids;
}

} // namespace

class TestUIUserMontanteEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        NoxTest::useSandbox(m_dir);
    }

    /// A new editor, and one cleared after editing, hold what a new progression starts with.
    void defaultsAreThoseOfANewProgression()
    {
        const MontantePerso fresh;
        UIUserMontanteEditor editor;
        const QVariantMap defaults{{QStringLiteral("name"), QString()},
                                   {QStringLiteral("steps"), QStringLiteral("1,2,4")},
                                   {QStringLiteral("nbPaliersBack"), fresh.nbPaliersBack()},
                                   {QStringLiteral("nbPaliersBackPerte"), fresh.nbPaliersBackPerte()},
                                   {QStringLiteral("recupEnabled"), fresh.recupEnabled()},
                                   {QStringLiteral("recupLossDivider"), fresh.recupLossDivider()},
                                   {QStringLiteral("nbToursMontante"), fresh.nbToursMontante()},
                                   {QStringLiteral("recupRecompute"), fresh.recupRecompute()},
                                   {QStringLiteral("nbWinRecalcul"), fresh.nbWinRecalcul()}};
        QCOMPARE(fieldsOf(editor), defaults);
        QCOMPARE(editor.montanteId(), -1);
        QVERIFY(!editor.canSave()); // no name yet
        // The defaults lie inside the ranges the editor shows.
        for (const UIIntRange &range :
             {editor.recupLossDividerRange(), editor.nbToursMontanteRange(), editor.nbWinRecalculRange(),
              editor.stepRange(), editor.moveRange()}) {
            QVERIFY(range.minimum() <= range.initial() && range.initial() <= range.maximum());
        }
        QCOMPARE(editor.recupLossDivider(), editor.recupLossDividerRange().initial());
        QCOMPARE(editor.nbToursMontante(), editor.nbToursMontanteRange().initial());
        QCOMPARE(editor.nbWinRecalcul(), editor.nbWinRecalculRange().initial());
        QCOMPARE(editor.nbPaliersBack(), editor.defaultWinMove());
        QCOMPARE(editor.nbPaliersBackPerte(), editor.defaultLossMove());
        QCOMPARE(editor.steps(), editor.proposedSteps());

        fillAwayFromDefaults(editor);
        for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
            QVERIFY2(fieldsOf(editor).value(it.key()) != it.value(), qPrintable(it.key()));
        }
        QVERIFY(editor.canSave());
        QSignalSpy canSave(&editor, &UIUserMontanteEditor::canSaveChanged);
        editor.clear();
        QCOMPARE(fieldsOf(editor), defaults);
        QCOMPARE(canSave.count(), 1);
    }

    void numbersStayWithinTheirRanges_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("given");
        QTest::addColumn<int>("kept");
        for (const char *field : {"recupLossDivider", "nbToursMontante", "nbWinRecalcul"}) {
            QTest::addRow("%s below", field) << QString::fromLatin1(field) << 0 << 1;
            QTest::addRow("%s negative", field) << QString::fromLatin1(field) << INT_MIN << 1;
            QTest::addRow("%s inside", field) << QString::fromLatin1(field) << 42 << 42;
            QTest::addRow("%s top", field) << QString::fromLatin1(field) << 100 << 100;
            QTest::addRow("%s above", field) << QString::fromLatin1(field) << 250 << 100;
        }
        for (const char *field : {"nbPaliersBack", "nbPaliersBackPerte"}) {
            QTest::addRow("%s restart", field)
                << QString::fromLatin1(field) << MontantePerso::kBackToStart << MontantePerso::kBackToStart;
            QTest::addRow("%s back", field) << QString::fromLatin1(field) << -5 << -5;
            QTest::addRow("%s forward", field) << QString::fromLatin1(field) << 5 << 5;
            QTest::addRow("%s far back", field) << QString::fromLatin1(field) << -150 << -99;
            QTest::addRow("%s far forward", field) << QString::fromLatin1(field) << 150 << 99;
            QTest::addRow("%s int min", field) << QString::fromLatin1(field) << INT_MIN << -99;
            QTest::addRow("%s int max", field) << QString::fromLatin1(field) << INT_MAX << 99;
        }
    }

    /// A number beyond its range is clamped to it, through the property as QML writes it.
    void numbersStayWithinTheirRanges()
    {
        QFETCH(QString, field);
        QFETCH(int, given);
        QFETCH(int, kept);
        UIUserMontanteEditor editor;
        const QByteArray name = field.toLatin1();
        QVERIFY(editor.setProperty(name.constData(), given));
        QCOMPARE(editor.property(name.constData()).toInt(), kept);
        QCOMPARE(fieldsOf(editor).value(field).toInt(), kept);
    }

    /// A move of 0 (no move, which the editor cannot show) is refused: the field keeps its move.
    void aMoveOfZeroIsRefused()
    {
        UIUserMontanteEditor editor;
        editor.setNbPaliersBack(-3);
        editor.setNbPaliersBackPerte(4);
        QSignalSpy win(&editor, &UIUserMontanteEditor::nbPaliersBackChanged);
        QSignalSpy loss(&editor, &UIUserMontanteEditor::nbPaliersBackPerteChanged);
        editor.setNbPaliersBack(0);
        editor.setNbPaliersBackPerte(0);
        QCOMPARE(editor.nbPaliersBack(), -3);
        QCOMPARE(editor.nbPaliersBackPerte(), 4);
        QCOMPARE(win.count() + loss.count(), 0);
    }

    void stepsAreNormalised_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("clamped") << QStringLiteral("1, 2,0,99999") << QStringLiteral("1,2,1,10000");
        QTest::newRow("separators") << QStringLiteral("3;4 5\t6,,7") << QStringLiteral("3,4,5,6,7");
        QTest::newRow("not whole numbers") << QStringLiteral("a,7,-2,2.5,+3") << QStringLiteral("7");
        QTest::newRow("leading zeros") << QStringLiteral("007,0") << QStringLiteral("7,1");
        QTest::newRow("beyond an int")
            << QStringLiteral("99999999999999999999,000000000000000000002") << QStringLiteral("10000,2");
        QTest::newRow("other digits")
            << QStringLiteral("\u0663,4") << QStringLiteral("4"); // Arabic-Indic three
        QTest::newRow("nothing") << QStringLiteral(",, ;") << QStringLiteral("");
    }

    void stepsAreNormalised()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        UIUserMontanteEditor editor;
        QCOMPARE(editor.normalizedSteps(typed), stored);
        editor.setName(QStringLiteral("N"));
        editor.setSteps(typed);
        QCOMPARE(editor.steps(), typed); // kept as typed until saved
        QCOMPARE(editor.canSave(), !stored.isEmpty());
        QCOMPARE(editor.model().value(QStringLiteral("steps")).toString(), stored);
    }

    void namesAreNormalised_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("latin-1 kept")
            << QStringLiteral("Ma montante é ÿ") << QStringLiteral("Ma montante é ÿ");
        QTest::newRow("beyond latin-1 dropped") << QStringLiteral("A\u20acB\u0100") << QStringLiteral("AB");
        QTest::newRow("controls dropped") << QStringLiteral("\tTab\u0085\u007f") << QStringLiteral("Tab");
        QTest::newRow("spaces trimmed") << QStringLiteral("  \u00a0Nom\u00a0 ") << QStringLiteral("Nom");
        QTest::newRow("only spaces") << QStringLiteral("   ") << QStringLiteral("");
        QTest::newRow("cut") << QStringLiteral("\u20ac") + QString(200, u'x') << QString(127, u'x');
    }

    void namesAreNormalised()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        UIUserMontanteEditor editor;
        QCOMPARE(editor.normalizedName(typed), stored);
        editor.setName(typed);
        QCOMPARE(editor.name(), typed);
        QCOMPARE(editor.canSave(), !stored.isEmpty());
        QCOMPARE(MontantePerso::storableName(stored), stored); // the library file can hold it
    }

    /// What the editor saves through the facade is what another editor loads, field for
    /// field; saving again keeps the identifier; removing starts a new progression.
    void saveAndLoadRoundTripThroughTheFacade()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        QSignalSpy montantes(&ui, &UIWrapper::montantesChanged);
        UIUserMontanteEditor editor;
        editor.setFacade(&ui);
        fillAwayFromDefaults(editor);
        editor.setSteps(QStringLiteral("2, 3,5 ,8,0"));
        QSignalSpy id(&editor, &UIUserMontanteEditor::montanteIdChanged);
        QVERIFY(editor.save());
        QCOMPARE(id.count(), 1);
        QCOMPARE(montantes.count(), 1);
        QCOMPARE(userIds(ui), QList<int>{editor.montanteId()});
        QCOMPARE(editor.steps(), QStringLiteral("2,3,5,8,1")); // loaded back as stored
        const QVariantMap stored = ui.getUserMontante(editor.montanteId()).toMap();
        const QVariantMap saved = fieldsOf(editor);
        for (auto it = saved.cbegin(); it != saved.cend(); ++it) {
            QCOMPARE(stored.value(it.key()), it.value());
        }
        QVERIFY(ui.montantes().value(QStringLiteral("plein")).toStringList().contains(editor.name()));

        UIUserMontanteEditor other;
        other.setFacade(&ui);
        QVERIFY(other.load(editor.montanteId()));
        QCOMPARE(other.montanteId(), editor.montanteId());
        QCOMPARE(fieldsOf(other), fieldsOf(editor));

        // An edit keeps the identifier.
        const int first = editor.montanteId();
        editor.setSteps(QStringLiteral("4,6"));
        editor.setRecupEnabled(false);
        QVERIFY(editor.save());
        QCOMPARE(editor.montanteId(), first);
        QCOMPARE(userIds(ui), QList<int>{first});
        QCOMPARE(ui.getUserMontante(first).toMap().value(QStringLiteral("steps")).toString(), u"4,6");
        QCOMPARE(ui.getUserMontante(first).toMap().value(QStringLiteral("recupEnabled")).toBool(), false);

        // A second new one gets its own identifier, whatever the list's order.
        editor.clear();
        editor.setName(QStringLiteral("Deuxième"));
        QVERIFY(editor.save());
        QVERIFY(editor.montanteId() >= 0 && editor.montanteId() != first);
        QCOMPARE(editor.name(), QStringLiteral("Deuxième"));
        QCOMPARE(userIds(ui).size(), 2);

        QVERIFY(editor.remove());
        QCOMPARE(editor.montanteId(), -1);
        QCOMPARE(userIds(ui), QList<int>{first});
        QVERIFY(!other.load(editor.montanteId()));
        QVERIFY(!other.load(12345));
        QCOMPARE(other.montanteId(), -1);
        QCOMPARE(fieldsOf(other), fieldsOf(UIUserMontanteEditor()));
    }

    /// Without a name or steps, or without a facade, nothing is saved.
    void nothingIsSavedWithoutANameOrSteps()
    {
        EngineRoot root;
        UIWrapper ui(&root);
        UIUserMontanteEditor editor;
        editor.setName(QStringLiteral("Sans façade"));
        QVERIFY(!editor.save());
        editor.setFacade(&ui);
        editor.setName(QStringLiteral(" \u20ac "));
        QVERIFY(!editor.save());
        editor.setName(QStringLiteral("Nom"));
        editor.setSteps(QStringLiteral(",x,"));
        QVERIFY(!editor.save());
        QVERIFY(!editor.remove());
        QVERIFY(ui.getUserMontantes().isEmpty());
        QCOMPARE(editor.montanteId(), -1);
    }

    /// A progression stored with values beyond the ranges (a file written by hand) is shown
    /// within them; what the store lacks takes its default.
    void aStoredProgressionIsShownWithinTheRanges()
    {
        EngineRoot root;
        UIWrapper ui(&root);
        QVERIFY(ui.upsertUserMontante(-1, QVariantMap{{QStringLiteral("name"), QStringLiteral("Brute")},
                                                      {QStringLiteral("steps"), QStringLiteral("1,50000")},
                                                      {QStringLiteral("nbToursMontante"), 0},
                                                      {QStringLiteral("nbWinRecalcul"), 1000},
                                                      {QStringLiteral("nbPaliersBackPerte"), -500},
                                                      {QStringLiteral("nbPaliersBack"), 0}}));
        const int id = userIds(ui).value(0, -1);
        UIUserMontanteEditor editor;
        editor.setFacade(&ui);
        QVERIFY(editor.load(id));
        QCOMPARE(editor.nbToursMontante(), 1);
        QCOMPARE(editor.nbWinRecalcul(), 100);
        QCOMPARE(editor.nbPaliersBackPerte(), -99);
        QCOMPARE(editor.nbPaliersBack(), MontantePerso::kDefaultWinMove);
        QCOMPARE(editor.recupLossDivider(), MontantePerso::kRecupLossDividerBounds.initial);
        // The steps show as stored; saving stores them within the range.
        QCOMPARE(editor.steps(), QStringLiteral("1,50000"));
        QVERIFY(editor.save());
        QCOMPARE(ui.getUserMontante(id).toMap().value(QStringLiteral("steps")).toString(), u"1,10000");
    }

    /// With a settings store, a library that cannot be written makes save() false with the
    /// facade's message; the progression stays in the program and in the editor.
    void aLibraryThatCannotBeWrittenSaysWhy()
    {
        EngineRoot root;
        root.loadCatalogue();
        QVERIFY(root.engine()->setPersistence(true, QStringLiteral("EditorLibraryTest")));
        UIWrapper ui(&root);
        const QString library = root.engine()->montanteLibraryPath();
        root.engine()->saveSettings(); // the engine's own writer has finished
        QFile::remove(library);
        QVERIFY(QDir().mkpath(library));
        UIUserMontanteEditor editor;
        editor.setFacade(&ui);
        editor.setName(QStringLiteral("Pas écrite"));
        QVERIFY(!editor.save());
        QVERIFY2(ui.fileMessage().startsWith(u"Les montantes n'ont pas pu être enregistrées : "),
                 qPrintable(ui.fileMessage()));
        QVERIFY(editor.montanteId() >= 0);
        QCOMPARE(userIds(ui), QList<int>{editor.montanteId()});
        QVERIFY(QDir(library).removeRecursively());
        QVERIFY(editor.save());
        QCOMPARE(ui.fileMessage(), QString());
        QVERIFY(QFile::exists(library));
        root.engine()->setPersistence(false);
    }

    /// A step move as its editor composes it from a mode and a count, and splits it back.
    void stepMovesComposeWithinTheirRange()
    {
        UIStepMove move;
        QCOMPARE(move.move(), MontantePerso::kBackToStart);
        QCOMPARE(move.mode(), UIStepMove::Restart);
        QCOMPARE(move.compose(UIStepMove::Back, 3), -3);
        QCOMPARE(move.compose(UIStepMove::Forward, 3), 3);
        QCOMPARE(move.compose(UIStepMove::Restart, 3), MontantePerso::kBackToStart);
        QCOMPARE(move.compose(UIStepMove::Back, 150), -99);
        QCOMPARE(move.compose(UIStepMove::Forward, 0), 1);
        QCOMPARE(move.compose(7, 4), MontantePerso::kBackToStart);
        const QList<std::tuple<int, UIStepMove::Mode, int>> splits{
            {MontantePerso::kBackToStart, UIStepMove::Restart, 1},
            {-4, UIStepMove::Back, 4},
            {6, UIStepMove::Forward, 6},
            {-500, UIStepMove::Back, 99},
            {INT_MIN, UIStepMove::Back, 99}};
        QSignalSpy changed(&move, &UIStepMove::moveChanged);
        for (const auto &[stored, mode, count] : splits) {
            move.setMove(stored);
            QCOMPARE(move.mode(), mode);
            QCOMPARE(move.count(), count);
            // Back to the same move, when the count is inside the range.
            if (count < 99) {
                QCOMPARE(move.compose(move.mode(), move.count()), stored);
            }
        }
        QCOMPARE(changed.count(), splits.size() - 1); // the first is the move it already had
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestUIUserMontanteEditor)
#include "tst_uiusermontanteeditor.moc"
