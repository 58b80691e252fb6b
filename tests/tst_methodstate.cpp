#include "core/noxmethod.h"
#include "core/noxmethodmetrics.h"
#include "core/noxmethodstate.h"
#include "core/noxsnapshotcontext.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <random>

using namespace Nox;

namespace {

// Feeds values to a state the way the engine does, one snapshot per coup.
struct Feeder {
    NoxMethodState *state;
    QList<int> history;
    QList<NoxMethodState *> states;

    void play(int value)
    {
        history.append(value);
        NoxSnapshotContext context(history, states, state, int(history.size()));
        state->processValue(value, context);
    }
    void cancel()
    {
        const int value = history.takeLast();
        NoxSnapshotContext context(history, states, state, int(history.size()));
        state->unplayValue(value, context);
    }
};

NoxMethodState *makeState(QList<NoxBetItemID> items,
                          const NoxStatisticsProfile *profile = &NoxStatisticsProfile::profileA())
{
    auto *method = new NoxMethod(NoxMethodType::douz, NoxMethodSubType::pinkdouz8, QStringLiteral("Test"));
    method->setProposal(items);
    return new NoxMethodState(method, profile);
}

/// The least-squares line of the curve points [first, first + count) at x = index + 1, from
/// sums walked over the points (the means of the intercept in single precision, as charted).
struct Line {
    double slope;
    double intercept;
};
Line lineOf(const QList<int> &curve, int first, int count)
{
    qint64 sy = 0;
    qint64 sxy = 0;
    qint64 sx = 0;
    qint64 sxx = 0;
    for (int i = first; i < first + count; ++i) {
        const qint64 x = i + 1;
        sy += curve.at(i);
        sxy += x * curve.at(i);
        sx += x;
        sxx += x * x;
    }
    const double k = count;
    double slope = (k * double(sxy) - double(sx) * double(sy)) / (k * double(sxx) - double(sx) * double(sx));
    slope = std::isfinite(slope) ? slope : 0.0;
    double intercept = double(float(double(sy) / k)) - double(float(double(sx) / k)) * slope;
    intercept = std::isfinite(intercept) ? intercept : 0.0;
    return Line{slope, intercept};
}

/// The trend signal of the lines over a whole profit curve: line 1 fits the newest a points,
/// line 2 the b points before them.
bool trendSignalOf(const QList<int> &curve, const NoxStatisticsProfile &profile)
{
    const int n = int(curve.size());
    const int a = n < 60 ? profile.trendWindow : 30;
    if (a <= 0 || n < a || n < 2 * a - 1) {
        return false;
    }
    const int b = std::min(a, n - a);
    const Line line1 = lineOf(curve, n - a, a);
    const Line line2 = lineOf(curve, n - a - b, b);
    if (!(line1.slope > 0) || !(line2.slope > 0)) {
        return false;
    }
    const double at2 = line2.intercept + line2.slope * (n - a - 1);
    const double at1 = line1.intercept + line1.slope * (n - a);
    return std::abs(at2 - at1) <= 65 && curve.last() >= profile.trendProfitThreshold;
}

/// The tendency of a curve: the factor times the slope of its newest points, none while the
/// curve is short.
double tendencyOf(const QList<int> &curve, const NoxStatisticsProfile &profile)
{
    const int n = int(curve.size());
    if (n < profile.tendencyMinPoints || n == 0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const int k = std::min(profile.tendencyWindow, n);
    return profile.tendencyFactor * lineOf(curve, n - k, k).slope;
}

} // namespace

class TestMethodState : public QObject
{
    Q_OBJECT

private slots:
    // covers() answers as the covered list, whichever way the list was set: items with their
    // numbers (one, several, the same again), numbers set directly (some off the table), none.
    void coversAnswersAsTheCoveredList()
    {
        const QList<NoxBetItemID> pool{NoxBetItemID::N0,       NoxBetItemID::N17,      NoxBetItemID::CS_R,
                                       NoxBetItemID::DZ2,      NoxBetItemID::CL3,      NoxBetItemID::SX1,
                                       NoxBetItemID::CH_FIRST, NoxBetItemID::B_BANKER, NoxBetItemID::B_TIE};
        NoxMethod method(NoxMethodType::plein, NoxMethodSubType::whiteplein0, QStringLiteral("m"));
        std::mt19937 rng(5);
        int checked = 0;
        for (int round = 0; round < 300; ++round) {
            const int kind = int(rng() % 5);
            if (kind == 0) {
                method.clearProposal();
            } else if (kind == 1) {
                QList<int> numbers;
                for (int k = int(rng() % 4); k > 0; --k) {
                    numbers.append(int(rng() % 80) - 4);
                }
                method.setCoveredNumbers(numbers);
            } else if (kind == 2 && !method.itemsToPlay().isEmpty()) {
                method.setProposal(QList<NoxBetItemID>(method.itemsToPlay()));
            } else {
                QList<NoxBetItemID> items;
                for (int k = 1 + int(rng() % 3); k > 0; --k) {
                    items.append(pool.at(qsizetype(rng() % pool.size())));
                }
                method.setProposal(items);
            }
            for (int n = -5; n < 80; ++n) {
                if (method.covers(n) != method.coveredNumbers().contains(n)) {
                    QFAIL(qPrintable(QStringLiteral("round %1, number %2").arg(round).arg(n)));
                }
                checked += method.covers(n) ? 1 : 0;
            }
        }
        QVERIFY(checked > 1000);
    }

    void detectionFlagsFollowTheState()
    {
        std::unique_ptr<NoxMethodState> state(makeState({NoxBetItemID::DZ1}));
        Feeder f{state.get(), {}, {state.get()}};
        QCOMPARE(state->detectionFlags() & NoxMethodState::DetectNewestWin, 0);
        f.play(5);
        QVERIFY(state->detectionFlags() & NoxMethodState::DetectNewestWin);
        f.play(20);
        QCOMPARE(state->detectionFlags() & NoxMethodState::DetectNewestWin, 0);
        // Against the state's own getters over a long random session, including undo.
        std::mt19937 rng(5);
        int seen = 0;
        for (int i = 0; i < 400; ++i) {
            if (i % 7 == 6) {
                f.cancel();
            } else {
                f.play(int(rng() % 37));
            }
            const NoxCoupRecord newest = state->record(-1);
            int expected = 0;
            expected |= state->inBlock() ? NoxMethodState::DetectInBlock : 0;
            expected |= state->inDominantBlock() ? NoxMethodState::DetectInDominantBlock : 0;
            expected |= state->shortTermWinRatio() - state->ratioTheorique() >= state->ratioMargin()
                            ? NoxMethodState::DetectRatioSignal
                            : 0;
            expected |= newest.has(NoxCoupRecord::ProfitPositive) ? NoxMethodState::DetectProfitPositive : 0;
            expected |= newest.isWin() ? NoxMethodState::DetectNewestWin : 0;
            QCOMPARE(state->detectionFlags(), expected);
            QCOMPARE(state->detectionFlags(), expected); // the cached value
            seen |= expected;
        }
        // The session went through every bit.
        QCOMPARE(seen, 0x1 | 0x2 | 0x10 | 0x20 | 0x800);
    }

    void damagedOptionsStayHarmless()
    {
        std::unique_ptr<NoxMethodState> state(makeState({NoxBetItemID::DZ1}));
        std::unique_ptr<NoxMethodState> reference(makeState({NoxBetItemID::DZ1}));
        state->setShortTermWindow(-5);
        QCOMPARE(state->shortTermWindow(), 0);
        state->setNbBlockDom(std::numeric_limits<int>::max());
        reference->setNbBlockDom(40);
        Feeder f{state.get(), {}, {state.get()}};
        Feeder g{reference.get(), {}, {reference.get()}};
        std::mt19937 rng(11);
        for (int i = 0; i < 300; ++i) {
            const int v = int(rng() % 37);
            f.play(v);
            g.play(v);
        }
        // Any count beyond the histogram gives the block of the widest one.
        QCOMPARE(state->blockMin(), reference->blockMin());
        QCOMPARE(state->blockMax(), reference->blockMax());
        QCOMPARE(state->shortTermWins(), 0);
        QCOMPARE(state->shortTermWinRatio(), 0.0);
        QCOMPARE(state->ecartMoyenCt(), 1.0);
    }

    // The short-term counts are kept as records come and go; they must always equal a count
    // of the window's records, through undo, window changes and a profile change.
    void shortTermCountsFollowTheWindow()
    {
        std::unique_ptr<NoxMethodState> state(
            makeState({NoxBetItemID::B_PLAYER}, &NoxStatisticsProfile::baccarat()));
        Feeder f{state.get(), {}, {state.get()}};
        std::mt19937 rng(17);
        const int windows[] = {50, 3, 0, 1, 120, 7};
        for (int i = 0; i < 900; ++i) {
            if (i % 150 == 149) {
                state->setShortTermWindow(windows[(i / 150) % 6]);
            }
            if (i == 700) {
                state->setProfile(&NoxStatisticsProfile::tie());
            }
            if (i % 5 == 4 && !f.history.isEmpty()) {
                f.cancel();
            } else {
                f.play(int(rng() % 3)); // 0 is the tie, neutral under the baccarat profile
            }
            const int window = state->shortTermWindow();
            int wins = 0;
            int neutrals = 0;
            for (const NoxCoupRecord &r : state->newestRecords(window)) {
                wins += r.isWin() ? 1 : 0;
                neutrals += r.has(NoxCoupRecord::NeutralZero) ? 1 : 0;
            }
            const int counted = std::min(window, state->historyLength()) - neutrals;
            QCOMPARE(state->shortTermWins(), window == 0 ? 0 : wins);
            QCOMPARE(state->shortTermWinRatio(), counted <= 0 ? 0.0 : double(wins) / counted * 100.0);
            QCOMPARE(state->metrics()->winBlocks(), state->shortTermWins());
        }
    }

    void gapsAndMean()
    {
        std::unique_ptr<NoxMethodState> state(makeState({NoxBetItemID::DZ1}));
        Feeder f{state.get(), {}, {state.get()}};
        for (int v : {20, 20, 5, 20, 5}) { // loss, loss, win, loss, win
            f.play(v);
        }
        QCOMPARE(state->gapList(false), (QList<int>{2, 1}));
        QCOMPARE(state->ecart(), 0);
        QCOMPARE(state->nbWins(), 2);
        QCOMPARE(state->ecartMoyen(), 1.0);
    }

    void blockEdgeCase_data()
    {
        QTest::addColumn<bool>("profileA");
        QTest::addColumn<int>("expectedMax");
        QTest::newRow("profile A cuts at the dominant gap") << true << 1;
        QTest::newRow("profile B keeps the block") << false << 4;
    }

    void blockEdgeCase()
    {
        QFETCH(bool, profileA);
        QFETCH(int, expectedMax);
        std::unique_ptr<NoxMethodState> state(
            makeState({NoxBetItemID::DZ1},
                      profileA ? &NoxStatisticsProfile::profileA() : &NoxStatisticsProfile::profileB()));
        Feeder f{state.get(), {}, {state.get()}};
        QCOMPARE(state->blockMin(), 0);
        QCOMPARE(state->blockMax(), -1); // no win yet: nothing is in block
        for (int gap : {0, 0, 1, 1, 1, 2, 2, 3, 7, 12}) {
            for (int i = 0; i < gap; ++i) {
                f.play(30);
            }
            f.play(1);
        }
        QCOMPARE(state->doms(), (QList<int>{1, 0}));
        QCOMPARE(state->blockMin(), 0);
        QCOMPARE(state->blockMax(), expectedMax);
        QCOMPARE(state->ecartMax(), 12);
    }

    // The block is the last window of the narrowest width (at most the dominant count, at
    // least 4) holding more than the block percentage of the wins; its dominant gaps are its
    // fullest buckets, fullest first and the smaller gap first among equals. Checked after
    // every win of random histories with undone coups, for several dominant counts and
    // percentages.
    void blocksFollowTheirDefinition_data()
    {
        QTest::addColumn<int>("dominants");
        QTest::addColumn<int>("percentage");
        QTest::addColumn<bool>("profileA");
        QTest::newRow("2 dominants, 85 %") << 2 << 85 << false;
        QTest::newRow("1 dominant, 50 %") << 1 << 50 << false;
        QTest::newRow("3 dominants, 70 %") << 3 << 70 << false;
        QTest::newRow("6 dominants, 90 %") << 6 << 90 << false;
        QTest::newRow("4 dominants, 85 %, cut at the dominants") << 4 << 85 << true;
    }

    void blocksFollowTheirDefinition()
    {
        QFETCH(int, dominants);
        QFETCH(int, percentage);
        QFETCH(bool, profileA);
        std::mt19937 rng(uint32_t(dominants * 131 + percentage));
        // Short gaps mostly, now and then a long one: most blocks fill, and buckets tie often.
        std::discrete_distribution<int> gapOf({30, 25, 20, 15, 3, 2, 1, 1, 1});
        std::unique_ptr<NoxMethodState> state(
            makeState({NoxBetItemID::DZ1},
                      profileA ? &NoxStatisticsProfile::profileA() : &NoxStatisticsProfile::profileB()));
        state->method()->setBlockPercentage(percentage);
        state->setNbBlockDom(dominants);
        QCOMPARE(state->nbBlockDom(), dominants);
        Feeder f{state.get(), {}, {state.get()}};
        int checked = 0;
        for (int win = 0; win < 150; ++win) {
            for (int g = gapOf(rng); g > 0; --g) {
                f.play(30);
            }
            f.play(1);
            if (win % 9 == 8) {
                // Undone coups, wins among them, before the search runs again.
                for (int k = int(rng() % 8); k > 0; --k) {
                    f.cancel();
                }
            }
            const QList<int> hist = state->ecarts(false);
            const int wins = int(std::accumulate(hist.cbegin(), hist.cend(), 0));
            QCOMPARE(wins, state->nbWins());
            const int target = wins * percentage / 100 + 1;
            const int widest = std::max(dominants, 4);
            int first = -1;
            int width = 0;
            for (int w = 1; w <= std::min(widest, int(hist.size())) && first < 0; ++w) {
                for (int s = 0; s + w <= hist.size(); ++s) {
                    if (std::accumulate(hist.cbegin() + s, hist.cbegin() + s + w, 0) >= target) {
                        first = s;
                        width = w;
                    }
                }
            }
            if (first < 0) {
                continue; // too few wins to fill any block yet
            }
            ++checked;
            QList<int> buckets;
            for (int b = first; b < first + width; ++b) {
                buckets.append(b);
            }
            std::stable_sort(buckets.begin(), buckets.end(), [&](int a, int b) { return hist[a] > hist[b]; });
            buckets.resize(std::min(dominants, int(buckets.size())));
            QCOMPARE(state->doms(), buckets);
            QCOMPARE(state->blockMin(), first);
            const int last =
                profileA ? *std::max_element(buckets.cbegin(), buckets.cend()) : first + width - 1;
            QCOMPARE(state->blockMax(), last);
        }
        QVERIFY2(checked >= 75, qPrintable(QString::number(checked)));
    }

    void customBlockBounds()
    {
        std::unique_ptr<NoxMethodState> state(makeState({NoxBetItemID::DZ1}));
        Feeder f{state.get(), {}, {state.get()}};
        for (int v : {30, 30, 30, 30, 30, 30, 1, 1}) {
            f.play(v);
        }
        state->setCustomBlockMin(5);
        state->setCustomBlockMax(3); // lowers the minimum to 3
        QCOMPARE(state->customBlockMin(), 3);
        state->setUseCustomBlock(true);
        QCOMPARE(state->blockMin(), 3);
    }

    void neutralZeroDoesNotLengthenGap()
    {
        NoxStatisticsProfile profile = NoxStatisticsProfile::profileA();
        profile.neutralZero = true;
        std::unique_ptr<NoxMethodState> state(makeState({NoxBetItemID::DZ1}, &profile));
        Feeder f{state.get(), {}, {state.get()}};
        f.play(20);
        f.play(0);
        QCOMPARE(state->ecart(), 1);
        QVERIFY(state->record(-1).has(NoxCoupRecord::NeutralZero));
        QCOMPARE(state->neutralZeros(), 1);
    }

    void noProposalNoRecord()
    {
        std::unique_ptr<NoxMethodState> state(makeState({}));
        Feeder f{state.get(), {}, {state.get()}};
        for (int i = 0; i < 10; ++i) {
            f.play(7);
        }
        QCOMPARE(state->historyLength(), 0);
        QCOMPARE(state->ecart(), 0);
    }

    // Undoing a coup restores exactly the statistics before it, for random histories.
    void cancelRestoresStatistics()
    {
        std::mt19937 rng(12345);
        std::uniform_int_distribution<int> value(0, 36);
        std::unique_ptr<NoxMethodState> state(makeState({NoxBetItemID::DZ2, NoxBetItemID::CS_R}));
        Feeder f{state.get(), {}, {state.get()}};
        for (int i = 0; i < 400; ++i) {
            const QList<int> gaps = state->gapList(true);
            const QList<int> curve = state->profitCurve(true);
            const QList<int> hist = state->ecarts(false);
            const int bmin = state->blockMin(), bmax = state->blockMax();
            const QList<int> doms = state->doms();
            f.play(value(rng));
            f.cancel();
            QCOMPARE(state->gapList(true), gaps);
            QCOMPARE(state->profitCurve(true), curve);
            QCOMPARE(state->ecarts(false), hist);
            QCOMPARE(state->blockMin(), bmin);
            QCOMPARE(state->blockMax(), bmax);
            QCOMPARE(state->doms(), doms);
            f.play(value(rng));
        }
    }

    // The tendency of every record is that of the whole curve after its coup, and its trend
    // signal the lines' signal over the whole curve as it stood before the coup when the
    // tendency is high: through wins, losses, neutral zeros (the open gap walked twice) and
    // undos followed by another result, over both games' profiles.
    void trendSignalFollowsTheCurveBeforeEachCoup_data()
    {
        QTest::addColumn<int>("game");
        QTest::newRow("baccarat, ties neutral") << 0;
        QTest::newRow("roulette, zero neutral") << 1;
        QTest::newRow("roulette") << 2;
    }
    void trendSignalFollowsTheCurveBeforeEachCoup()
    {
        QFETCH(int, game);
        NoxStatisticsProfile neutralZero = NoxStatisticsProfile::profileA();
        neutralZero.neutralZero = true;
        const NoxStatisticsProfile &profile = game == 0   ? NoxStatisticsProfile::baccarat()
                                              : game == 1 ? neutralZero
                                                          : NoxStatisticsProfile::profileA();
        std::unique_ptr<NoxMethodState> state(
            makeState({game == 0 ? NoxBetItemID::B_BANKER : NoxBetItemID::CS_R}, &profile));
        Feeder f{state.get(), {}, {state.get()}};
        std::mt19937 rng(11 + game);
        int withSignal = 0;
        int high = 0;
        for (int i = 0; i < 3000; ++i) {
            // Now and then one to five results are taken back.
            for (int k = rng() % 6 == 0 ? 1 + int(rng() % 5) : 0; k > 0 && !f.history.isEmpty(); --k) {
                f.cancel();
            }
            const QList<int> before = state->profitCurve(true);
            // Streaks of the covered values now and then, so that the tendency rises.
            const bool streak = (i / 40) % 3 == 0 && rng() % 4 != 0;
            int value = 0;
            if (game == 0) {
                value = streak ? 2 : (rng() % 10 == 0 ? 0 : 1 + int(rng() % 2));
            } else {
                value = streak ? 1 : int(rng() % 37);
            }
            f.play(value);
            const NoxCoupRecord newest = state->record(-1);
            const double tendency = tendencyOf(state->profitCurve(false), profile);
            if (std::isnan(tendency) ? !std::isnan(newest.tendency) : newest.tendency != tendency) {
                QFAIL(qPrintable(QStringLiteral("coup %1: tendency %2, expected %3")
                                     .arg(i)
                                     .arg(newest.tendency)
                                     .arg(tendency)));
            }
            const bool isHigh = !std::isnan(newest.tendency) && newest.tendency > state->tendencyThreshold();
            const bool expected = isHigh && trendSignalOf(before, profile);
            if (newest.has(NoxCoupRecord::TendencySignal) != expected) {
                QFAIL(qPrintable(QStringLiteral("coup %1: signal %2, expected %3")
                                     .arg(i)
                                     .arg(newest.has(NoxCoupRecord::TendencySignal))
                                     .arg(expected)));
            }
            high += isHigh ? 1 : 0;
            withSignal += expected ? 1 : 0;
        }
        // The session went through high phases with and without the signal.
        QVERIFY(withSignal > 20);
        QVERIFY(high - withSignal > 20);
    }

    // The profit curve follows its definition: per closed gap, gap + 1 stakes then the credit.
    void profitCurveDefinition()
    {
        std::unique_ptr<NoxMethodState> state(makeState({NoxBetItemID::N5}));
        state->setNumberMode(true);
        Feeder f{state.get(), {}, {state.get()}};
        for (int v : {1, 5, 2}) {
            f.play(v);
        }
        // loss (-1), win (-2, then +36 = 34), open gap: one loss (33)
        QCOMPARE(state->profitCurve(false), (QList<int>{-1, -2, 34, 33}));
    }
};

QTEST_GUILESS_MAIN(TestMethodState)
#include "tst_methodstate.moc"
