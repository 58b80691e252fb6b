#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "methods/noxmethodsortbyscore.h"
#include "methods/noxmethodsortfactory.h"
#include "testsupport.h"
#include "uifilteredmethodlistmodel.h"
#include "uimethodlistmodel.h"
#include "uitestsupport.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QtTest>

using namespace Nox;
using NoxTest::EngineRoot;
using M = UIMethodListModel;

namespace {

QStringList namesOf(const QAbstractItemModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row) {
        names.append(model.index(row, 0).data(M::NameRole).toString());
    }
    return names;
}

int blockLevel(int flags)
{
    return (flags & M::SignalBlocks3)   ? 3
           : (flags & M::SignalBlocks2) ? 2
           : (flags & M::SignalBlocks1) ? 1
                                        : 0;
}

int domLevel(int flags)
{
    return (flags & M::SignalBlocDominantConfirme3)   ? 3
           : (flags & M::SignalBlocDominantConfirme2) ? 2
           : (flags & M::SignalBlocDominantConfirme1) ? 1
                                                      : 0;
}

/// A fixed pseudo-random baccarat shoe: banker and player about even, a tie now and then.
QList<int> shoe(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    QList<int> values;
    for (int i = 0; i < count; ++i) {
        const int r = int(random.bounded(100));
        values.append(r < 9 ? 0 : r < 54 ? 2 : 1);
    }
    return values;
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
}

/// A list model over a loaded baccarat catalogue, under a root that provides the engine.
struct Fixture {
    EngineRoot root;
    M *model;
    QAbstractItemModelTester tester;

    Fixture()
        : model(makeModel(root))
        , tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest)
    {}

    static M *makeModel(EngineRoot &root)
    {
        root.loadCatalogue();
        return new M(&root);
    }

    void play(const QList<int> &values)
    {
        for (int v : values) {
            root.engine()->playValueInternal(v, true);
        }
        settle();
    }
};

} // namespace

class TestUIMethodList : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        NoxTest::useSandbox(m_dir);
    }

    void rolesHaveTheirNumbersAndNames()
    {
        Fixture f;
        const QHash<int, QByteArray> roles = f.model->roleNames();
        const QList<QPair<int, QByteArray>> expected = {{257, "name"},
                                                        {275, "context"},
                                                        {258, "color"},
                                                        {259, "score"},
                                                        {260, "ecart"},
                                                        {261, "ecartMax"},
                                                        {262, "active"},
                                                        {263, "tendance"},
                                                        {264, "methodId"},
                                                        {265, "methodVisible"},
                                                        {266, "hasParameters"},
                                                        {268, "ecartNotif"},
                                                        {269, "ecartMoyen"},
                                                        {270, "wins"},
                                                        {267, "flags"},
                                                        {271, "customBlockMin"},
                                                        {272, "customBlockMax"},
                                                        {273, "nbBlockDom"},
                                                        {274, "tendancePercent"},
                                                        {276, "nbTendanceUp"},
                                                        {277, "shortTermEcarts"},
                                                        {278, "shortTermTendances"},
                                                        {281, "pattern"},
                                                        {279, "blockMin"},
                                                        {280, "blockMax"},
                                                        {282, "detectionFlags"},
                                                        {283, "chartTendance"},
                                                        {284, "chartTendanceCount"},
                                                        {285, "compteurME"}};
        QCOMPARE(roles.size(), expected.size());
        for (const auto &[role, name] : expected) {
            QCOMPARE(roles.value(role), name);
        }
    }

    void rowsAreTheMethodsWithASubtype()
    {
        Fixture f;
        int withSubtype = 0;
        for (const NoxMethodState *s : f.root.engine()->methodStates()) {
            withSubtype += s->method()->subtype() != NoxMethodSubType::none ? 1 : 0;
        }
        QCOMPARE(f.model->rowCount(), withSubtype);
        QVERIFY(!namesOf(*f.model).contains(QStringLiteral("TIE")));
        QCOMPARE(f.model->data(f.model->index(0), 9999), QVariant());
        QCOMPARE(f.model->data(QModelIndex(), M::NameRole).toString(), QString());

        f.play(shoe(40, 7));
        for (int row = 0; row < f.model->rowCount(); ++row) {
            const QModelIndex idx = f.model->index(row);
            const NoxMethodState *s = f.model->stateAt(row);
            QCOMPARE(idx.data(M::MethodIdRole).toInt(), s->method()->index());
            QCOMPARE(idx.data(M::EcartRole).toInt(), s->ecart());
            QCOMPARE(idx.data(M::WinsRole).toInt(), s->nbWins());
            QCOMPARE(idx.data(M::ColorRole).value<QColor>().isValid(), int(s->method()->subtype()) < 14);
            const int flags = idx.data(M::FlagsRole).toInt();
            QCOMPARE(bool(flags & M::InBloc), s->inBlock());
            QCOMPARE(bool(flags & M::HasPattern), !idx.data(M::PatternRole).toString().isEmpty());
            const QList<int> shortGaps = idx.data(M::ShortTermEcartsRole).value<QList<int>>();
            int used = 0;
            for (int g : shortGaps) {
                used += g + 1;
            }
            QVERIFY(used <= s->shortTermWindow());
        }
        const QStringList names = namesOf(*f.model);
        const int figure = int(names.indexOf(QStringLiteral("Figure 01")));
        QVERIFY(figure >= 0);
        QCOMPARE(f.model->index(figure).data(M::PatternRole).toString().size(), 6);
    }

    void aBurstOfChangesGivesOneRefresh()
    {
        Fixture f;
        QSignalSpy changed(f.model, &QAbstractItemModel::dataChanged);
        QSignalSpy before(f.model, &M::beforeDataChanged);
        QSignalSpy reset(f.model, &QAbstractItemModel::modelReset);
        emit f.root.engine()->methodStatesChanged();
        emit f.root.engine()->methodStatesChanged();
        emit f.root.engine()->methodStateChanged(2); // ignored while the full refresh is pending
        QCOMPARE(changed.count(), 0);
        settle();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(before.count(), 1);
        QCOMPARE(reset.count(), 0);
        QCOMPARE(changed.first().at(0).toModelIndex().row(), 0);
        QCOMPARE(changed.first().at(1).toModelIndex().row(), f.model->rowCount() - 1);

        emit f.root.engine()->methodStateChanged(f.model->stateAt(5)->method()->index());
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.last().at(0).toModelIndex().row(), 5);
        QCOMPARE(changed.last().at(1).toModelIndex().row(), 5);
        emit f.root.engine()->methodStateChanged(100000);
        QCOMPARE(changed.count(), 2);
    }

    void aLanguageChangeRefreshesTheNamesOnce()
    {
        Fixture f;
        QSignalSpy changed(f.model, &QAbstractItemModel::dataChanged);
        for (int i = 0; i < 3; ++i) {
            QEvent event(QEvent::LanguageChange);
            QCoreApplication::sendEvent(QCoreApplication::instance(), &event);
        }
        settle();
        QCOMPARE(changed.count(), 1);
    }

    void aNewMethodSetResetsTheModel()
    {
        Fixture f;
        const int rows = f.model->rowCount();
        QSignalSpy reset(f.model, &QAbstractItemModel::modelReset);
        const int id = f.root.engine()->upsertUserMethod(-1, QStringLiteral("Mine"), {4001, 4002});
        QVERIFY(id >= 0);
        settle();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(f.model->rowCount(), rows + 1);
        f.root.engine()->removeUserMethod(id);
        settle();
        QCOMPARE(reset.count(), 2);
        QCOMPARE(f.model->rowCount(), rows);

        // A reloaded catalogue of the same size holds new states: the rows are taken again.
        const NoxMethodState *first = f.model->stateAt(0);
        f.root.engine()->loadMethods();
        emit f.root.engine()->methodStatesChanged();
        settle();
        QCOMPARE(reset.count(), 3);
        QCOMPARE(f.model->rowCount(), rows);
        QVERIFY(f.model->stateAt(0) != first);
        for (const NoxMethodState *s : f.model->states()) {
            QVERIFY(f.root.engine()->methodStates().contains(s));
        }
    }

    void nameFiltersAreCaseSensitive()
    {
        Fixture f;
        UIFilteredMethodListModel view(f.model);
        QAbstractItemModelTester tester(&view, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy nameChanged(&view, &UIFilteredMethodListModel::nameFilterChanged);
        view.setNameFilter(QStringLiteral("^Figure 0[1-3]$"));
        QCOMPARE(view.rowCount(), 3);
        view.setNameFilter(QStringLiteral("Figure 1"));
        QCOMPARE(view.rowCount(), 10);
        for (const QString &name : namesOf(view)) {
            QVERIFY(name.startsWith(QStringLiteral("Figure 1")));
        }
        view.setNameFilter(QStringLiteral("figure"));
        QCOMPARE(view.rowCount(), 0);
        view.setNameFilter(QStringLiteral("^figure"));
        QCOMPARE(view.rowCount(), 0);
        view.setNameFilter(QStringLiteral("^.*P/B"));
        QCOMPARE(view.rowCount(), 4);
        view.setNameFilter(QStringLiteral("Figure [0-9]")); // not a pattern without the caret
        QCOMPARE(view.rowCount(), 0);
        QCOMPARE(nameChanged.count(), 6);
        view.setNameFilter(QStringLiteral("Figure [0-9]"));
        QCOMPARE(nameChanged.count(), 6);
        view.setNameFilter(QString());
        QCOMPARE(view.rowCount(), f.model->rowCount());
    }

    void typeSubtypeVisibilityAndActiveFilters()
    {
        Fixture f;
        UIFilteredMethodListModel view(f.model);
        QAbstractItemModelTester tester(&view, QAbstractItemModelTester::FailureReportingMode::QtTest);
        view.setSubTypeFilter(NoxMethodSubType::banker13);
        QCOMPARE(namesOf(view), QStringList{QStringLiteral("BANKER")});
        view.setSubTypeFilter(NoxMethodSubType::none);
        view.setTypeFilterInt(int(NoxMethodType::automatic));
        QCOMPARE(view.typeFilter(), NoxMethodType::automatic);
        QCOMPARE(view.rowCount(), 7);
        view.setTypeFilter(NoxMethodType::none);

        // Automatic methods are not in the normal list.
        view.setVisibleFilterEnabled(1);
        for (const QString &name : namesOf(view)) {
            QVERIFY(!name.startsWith(QStringLiteral("AUTO")));
        }
        view.setVisibleFilterEnabled(0);

        QSignalSpy stats(&view, &UIFilteredMethodListModel::activeFilterEnabledChanged);
        view.setActiveFilterEnabled(true);
        QCOMPARE(view.rowCount(), 0);
        const int banker = f.root.engine()->methodStates().at(0)->method()->index();
        f.root.engine()->setMethodActive(banker, true);
        settle();
        QCOMPARE(namesOf(view), QStringList{QStringLiteral("BANKER")});
        QCOMPARE(stats.count(), 1);

        view.setActiveFilterEnabled(false);
        view.setMethodIdFilter({banker});
        QCOMPARE(view.rowCount(), 1);
    }

    void sortTypesAndTheirRoles()
    {
        Fixture f;
        f.play(shoe(60, 11));
        UIFilteredMethodListModel view(f.model);
        QAbstractItemModelTester tester(&view, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(view.sortType(), int(Score));
        QCOMPARE(view.sortRole(), 259);
        QCOMPARE(view.sortOrder(), Qt::DescendingOrder);
        QSignalSpy sorted(&view, &UIFilteredMethodListModel::sortTypeChanged);
        view.setSortType(Score);
        QCOMPARE(sorted.count(), 0);

        view.setSortType(Index);
        QCOMPARE(sorted.count(), 1);
        QCOMPARE(view.sortRole(), 264);
        for (int row = 1; row < view.rowCount(); ++row) {
            QVERIFY(view.index(row - 1, 0).data(M::MethodIdRole).toInt() <
                    view.index(row, 0).data(M::MethodIdRole).toInt());
        }
        view.setSortType(Name);
        QCOMPARE(view.sortRole(), 257);
        QCOMPARE(view.sortOrder(), Qt::AscendingOrder);
        view.setSortType(Default);
        QCOMPARE(view.sortRole(), 257);
        QCOMPARE(view.sortOrder(), Qt::DescendingOrder);
        view.setSortType(99);
        QCOMPARE(view.sortType(), int(Default));

        // Under a score ordering the score role is that ordering's score, rows greatest first.
        QSignalSpy sourceChanged(f.model, &QAbstractItemModel::dataChanged);
        view.setSortType(ScoreCt);
        QCOMPARE(sourceChanged.count(), 1);
        QCOMPARE(view.sortRole(), 259);
        const auto sorter = NoxMethodSortFactory::create(ScoreCt);
        const auto *scorer = dynamic_cast<const NoxMethodSortByScore *>(sorter.get());
        QVERIFY(scorer);
        for (int row = 0; row < view.rowCount(); ++row) {
            QCOMPARE(view.index(row, 0).data(M::ScoreRole).toInt(), int(scorer->score(view.stateAtRow(row))));
            if (row > 0) {
                QVERIFY(sorter->compare(view.stateAtRow(row - 1), view.stateAtRow(row)) >= 0);
            }
        }
        const QVariantList roles = view.sortRoles();
        QCOMPARE(roles.size(), 8);
        QCOMPARE(roles.first().toMap().value(QStringLiteral("value")).toInt(), int(ScoreCt));
        QCOMPARE(roles.first().toMap().value(QStringLiteral("text")).toString(), u"Score Ratio CT");
        QCOMPARE(roles.last().toMap().value(QStringLiteral("text")).toString(), u"Nom");
    }

    void signalFiltersKeepTheRowsOfTheirLevel()
    {
        Fixture f;
        NoxEngineConfig config = f.root.engine()->config();
        config.signalBlocks = true;
        config.signalBlocDominantConfirme = true;
        config.signalTendanceBack = true;
        f.root.engine()->setConfig(config);
        UIFilteredMethodListModel view(f.model);
        QAbstractItemModelTester tester(&view, QAbstractItemModelTester::FailureReportingMode::QtTest);

        // Nothing played: no row signals anything, both maxima are 0.
        view.setSignalBlocksFilter(0);
        view.setSignalBlocDominantConfirmeFilter(0);
        view.updateListStats();
        QCOMPARE(view.maxSignalBlocks(), 0);
        QCOMPARE(view.maxSignalBlocDominantConfirme(), 0);

        f.play(shoe(150, 3));
        const int all = view.rowCount();
        QCOMPARE(all, f.model->rowCount());
        int maxBlocks = 0;
        int maxDoms = 0;
        for (int row = 0; row < f.model->rowCount(); ++row) {
            const int flags = M::detectionFlags(f.model->stateAt(row));
            maxBlocks = std::max(maxBlocks, blockLevel(flags));
            maxDoms = std::max(maxDoms, domLevel(flags));
        }
        // The statistics followed the plays by themselves (queued after the views' changes).
        QCOMPARE(view.maxSignalBlocks(), maxBlocks);
        QCOMPARE(view.maxSignalBlocDominantConfirme(), maxDoms);
        QSignalSpy maxChanged(&view, &UIFilteredMethodListModel::maxSignalBlocksChanged);
        view.updateListStats();
        QCOMPARE(maxChanged.count(), 0);
        QVERIFY2(maxBlocks > 0, "the shoe should make some block signal");

        int previous = all;
        for (int level = 1; level <= 3; ++level) {
            view.setSignalBlocksFilter(level);
            QVERIFY(view.rowCount() <= previous);
            previous = view.rowCount();
            for (int row = 0; row < view.rowCount(); ++row) {
                QVERIFY(blockLevel(view.index(row, 0).data(M::DetectionFlagsRole).toInt()) >= level);
            }
        }
        view.setSignalBlocksFilter(1);
        QVERIFY(view.rowCount() > 0);
        view.setSignalBlocksFilter(-1);
        QCOMPARE(view.rowCount(), all);

        view.setSignalTendanceFilter(1);
        for (int row = 0; row < view.rowCount(); ++row) {
            QVERIFY(view.index(row, 0).data(M::DetectionFlagsRole).toInt() &
                    (M::SignalTendanceUp | M::SignalTendanceInter | M::SignalTendanceLow |
                     M::SignalTendanceFire));
        }
        view.setSignalTendanceFilter(0);
        QCOMPARE(view.rowCount(), all);

        // Both filters off: the statistics are left as they were.
        view.setSignalBlocksFilter(-1);
        view.setSignalBlocDominantConfirmeFilter(-1);
        view.setMaxSignalBlocks(-7);
        view.updateListStats();
        QCOMPARE(view.maxSignalBlocks(), -7);
    }

    void isolationKeepsAnActiveMethodInPlace()
    {
        Fixture f;
        f.play(shoe(30, 5));
        UIFilteredMethodListModel isolated(f.model);
        UIFilteredMethodListModel sorted(f.model);
        QAbstractItemModelTester t1(&isolated, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester t2(&sorted, QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (auto *view : {&isolated, &sorted}) {
            view->setTypeFilter(NoxMethodType::baccara);
            view->setSortType(ScoreTendancePlus);
        }
        QVERIFY(isolated.rowCount() > 5);
        isolated.setActiveIsolateEnabled(true);
        QCOMPARE(namesOf(isolated), namesOf(sorted));

        const QString pinned = namesOf(isolated).at(2);
        const int id = isolated.index(2, 0).data(M::MethodIdRole).toInt();
        f.root.engine()->setMethodActive(id, true);
        settle();
        int moved = 0;
        for (int v : shoe(80, 99)) {
            f.play({v});
            QCOMPARE(namesOf(isolated).at(2), pinned);
            moved += namesOf(sorted).indexOf(pinned) != 2 ? 1 : 0;
            // The others follow the ordering.
            QStringList rest = namesOf(isolated);
            rest.removeAt(2);
            QStringList expected = namesOf(sorted);
            expected.removeOne(pinned);
            QCOMPARE(rest, expected);
        }
        QVERIFY2(moved > 0, "the ordering alone should have moved the active method at some point");

        isolated.setActiveIsolateEnabled(false);
        QCOMPARE(namesOf(isolated), namesOf(sorted));
    }
};

QTEST_MAIN(TestUIMethodList)
#include "tst_uimethodlist.moc"
