#include "uimethodchartmodel.h"

#include "core/noxmethod.h"
#include "core/noxmethoddetailsinterface.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "iengineprovider.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <numeric>

using Nox::NoxMethodState;

namespace {

/// Gaps the split view shows: the newest ones, as many as fit its narrow chart.
constexpr int kSplitViewGaps = 20;

bool sameValue(double a, double b)
{
    return a == b || qFuzzyCompare(a, b);
}

template<typename T>
bool sameValue(const T &a, const T &b)
{
    return a == b;
}

QList<int> tendancesAsInts(const QList<Nox::NoxTendance> &levels)
{
    QList<int> out;
    out.reserve(levels.size());
    for (Nox::NoxTendance t : levels) {
        out.append(int(t));
    }
    return out;
}

} // namespace

UIMethodChartModel::UIMethodChartModel(int methodId, bool splitView, QObject *parent, Nox::NoxEngine *engine)
    : QObject(parent)
    , m_engine(engine ? engine : IEngineProvider::engineFor(parent))
    , m_splitView(splitView)
    , m_methodId(methodId)
{
    if (m_engine) {
        connect(m_engine, &Nox::NoxEngine::methodStatesChanged, this, &UIMethodChartModel::refresh,
                Qt::QueuedConnection);
        connect(m_engine, &Nox::NoxEngine::methodStateChanged, this,
                &UIMethodChartModel::onMethodStateChanged, Qt::QueuedConnection);
    }
    refresh();
}

void UIMethodChartModel::onMethodStateChanged(int id)
{
    if (id == m_methodId) {
        refresh();
    }
}

QList<int> UIMethodChartModel::movingAverage(const QList<int> &values, int window)
{
    QList<int> out;
    if (window <= 0 || values.size() <= window) {
        return out;
    }
    out.reserve(values.size() - window);
    qint64 sum = 0;
    for (qsizetype i = 0; i < values.size(); ++i) {
        sum += values.at(i);
        if (i >= window) {
            sum -= values.at(i - window);
            out.append(int(sum / window));
        }
    }
    return out;
}

int UIMethodChartModel::blackIndexOf(const QList<int> &gaps)
{
    int total = 0;
    for (qsizetype i = 0; i < gaps.size(); ++i) {
        if (total >= kBlackTotal) {
            return int(i);
        }
        total += gaps.at(i) + 1;
    }
    return int(gaps.size()) - 1;
}

int UIMethodChartModel::symmetricRange(const QList<int> &values)
{
    int h = 1;
    for (int v : values) {
        h = std::max(h, std::abs(v));
    }
    return h;
}

void UIMethodChartModel::refresh()
{
    const NoxMethodState *state = m_engine && m_methodId >= 0 ? m_engine->methodState(m_methodId) : nullptr;
    if (!state) {
        setEcarts({});
        setTendances({});
        setBlocks({});
        setDoms({});
        return;
    }
    // One consistent view: the method's mutex is recursive, so the state's own getters may
    // take it again while it is held here.
    std::lock_guard lock(state->method()->mutex());

    setMethodName(state->method()->name());
    QList<int> gaps = state->gapList(true);
    QList<int> levels = tendancesAsInts(state->gapTendances());
    if (m_splitView) {
        gaps = gaps.mid(std::max<qsizetype>(0, gaps.size() - kSplitViewGaps));
        levels = levels.mid(std::max<qsizetype>(0, levels.size() - kSplitViewGaps));
    }
    setEcarts(gaps);
    setTendances(levels);
    const QList<int> blocks = state->ecarts(false);
    setBlocks(blocks);
    setDoms(state->doms());
    setBlockMax(blocks.isEmpty() ? 0 : *std::max_element(blocks.cbegin(), blocks.cend()));
    setTotal(std::accumulate(blocks.cbegin(), blocks.cend(), 0));
    setBMax(state->blockMax());
    setBMin(state->blockMin());

    setEcartMoyen(state->ecartMoyen());
    setEcartMoyenCT(state->ecartMoyenCt());
    setNbNumMoyen(state->nbNumMoyen());
    setRatio(state->winRatio());
    setRatioCT(state->shortTermWinRatio());
    setRatioTheorique(state->ratioTheorique());
    if (m_splitView) {
        return;
    }

    // Dominant blocks played: closed gaps that ended inside a dominant gap value's reach;
    // won: those that ended exactly on a dominant gap.
    const QList<int> closed = state->gapList(false);
    const QList<int> doms = state->doms();
    int played = 0;
    int won = 0;
    if (!doms.isEmpty()) {
        const int lastDom = *std::max_element(doms.cbegin(), doms.cend());
        for (int g : closed) {
            if (g <= lastDom) {
                ++played;
                if (doms.contains(g)) {
                    ++won;
                }
            }
        }
    }
    setNbBlocDominantsPlayed(played);
    setNbBlocDominantsWon(won);
    setBlackIndex(blackIndexOf(gaps));
    refreshDetections(state);
    refreshProfit(state);

    const int threshold = state->ecartNotif();
    QList<int> notifGaps;
    QList<int> notifBlocks;
    for (int g : closed) {
        if (threshold > 0 && g >= threshold) {
            notifGaps.append(g);
            if (notifBlocks.size() <= g) {
                notifBlocks.resize(g + 1, 0);
            }
            ++notifBlocks[g];
        }
    }
    setNotifEcarts(notifGaps);
    setNotifBlocks(notifBlocks);
    setNotifTotal(std::accumulate(notifBlocks.cbegin(), notifBlocks.cend(), 0));
    setNotifBlockMax(notifBlocks.isEmpty() ? 0 : *std::max_element(notifBlocks.cbegin(), notifBlocks.cend()));
    setHasDetails(dynamic_cast<const Nox::NoxMethodDetailsInterface *>(state->method()) != nullptr);
}

void UIMethodChartModel::refreshDetections(const NoxMethodState *state)
{
    const int max = state->blockMax();
    const int min = state->blockMin();
    const auto inPlayRange = [min, max](int gap) {
        return gap >= min && gap <= max;
    };
    const QList<int> gaps = state->gapList(true);
    QList<int> f;
    for (qsizetype i = 0; i < gaps.size(); ++i) {
        if (gaps.at(i) >= min || i == gaps.size() - 1) {
            f.append(gaps.at(i));
        }
    }
    int level = 0;
    int det[4] = {0, 0, 0, 0};
    int win[4] = {0, 0, 0, 0};
    int det3after2 = 0;
    int win3after2 = 0;
    const auto at = [&f](qsizetype i) {
        return i >= 0 ? f.at(i) : -1;
    };
    for (qsizetype i = 0; i + 1 < f.size(); ++i) {
        const int g = f.at(i);
        const int p1 = at(i - 1);
        const int p2 = at(i - 2);
        const int p3 = at(i - 3);
        const int n = f.at(i + 1);
        const bool last = i + 1 == f.size() - 1;
        if (g <= max) {
            continue;
        }
        int lvl = 0;
        if (p1 <= max) {
            lvl = 1;
        } else if (p2 <= max) {
            lvl = 2;
        } else {
            lvl = 3;
            if (p3 <= max) {
                ++det3after2;
            }
        }
        if (inPlayRange(n)) {
            ++det[lvl];
            if (last) {
                level = lvl;
            } else {
                ++win[lvl];
                if (lvl == 3 && p3 <= max) {
                    ++win3after2;
                }
            }
        } else if (n > max) {
            ++det[lvl];
        }
    }
    setCurrentPlayinglevel(level);
    setNbDetectionsNiv1(det[1]);
    setNbDetectionsNiv2(det[2]);
    setNbDetectionsNiv3(det[3]);
    setNbDetectionsNiv3after2(det3after2);
    setNbWinDetectionsNiv1(win[1]);
    setNbWinDetectionsNiv2(win[2]);
    setNbWinDetectionsNiv3(win[3]);
    setNbWinDetectionsNiv3after2(win3after2);
}

void UIMethodChartModel::refreshProfit(const NoxMethodState *state)
{
    const QList<int> curve = state->profitCurve(true);
    const int seen = state->historyLength();
    const int window = std::min(seen, state->shortTermWindow());
    setShortTermCount(window);
    const qsizetype shortLength = std::min<qsizetype>(2 * qsizetype(window) - 1, curve.size());
    const QList<int> shortTerm = shortLength > 0 ? curve.mid(curve.size() - shortLength) : QList<int>();
    const int h = symmetricRange(curve);
    setProfitMin(-h);
    setProfitMax(h);
    const int g = symmetricRange(shortTerm);
    setProfitCTMin(-g);
    setProfitCTMax(g);
    setProfitCTValues(shortTerm);

    const auto lastOf = [](const QList<int> &values) {
        return values.mid(std::max<qsizetype>(0, values.size() - kCurveLength));
    };
    const QList<int> kept = lastOf(curve);
    const QList<int> average1 = lastOf(movingAverage(curve, kAverage1));
    const QList<int> average2 = lastOf(movingAverage(curve, kAverage2));

    // Least squares over the newest points of the curve (the profile's tendency window), in
    // the x positions of the kept values, so that the graph draws it over `profitValues`.
    QList<int> line;
    const qsizetype k = std::min<qsizetype>(state->profile()->tendencyWindow, kept.size());
    if (k >= 2) {
        const qsizetype first = kept.size() - k;
        double sx = 0, sy = 0, sxy = 0, sxx = 0;
        for (qsizetype i = first; i < kept.size(); ++i) {
            const double x = double(i);
            const double y = kept.at(i);
            sx += x;
            sy += y;
            sxy += x * y;
            sxx += x * x;
        }
        const double denominator = double(k) * sxx - sx * sx;
        const double a = (double(k) * sxy - sx * sy) / denominator;
        const double b = (sy - a * sx) / double(k);
        if (std::isfinite(a) && std::isfinite(b)) {
            const int x0 = int(first);
            const int x1 = int(kept.size() - 1);
            line = {x0, int(a * x0 + b), x1, int(a * x1 + b)};
        }
    }
    setProfitRegLine(line);
    setProfitValues(kept);
    setProfitMoyenne1(average1);
    setProfitMoyenne1Offset(int(kept.size() - average1.size()));
    setProfitMoyenne2(average2);
    setProfitMoyenne2Offset(int(kept.size() - average2.size()));
}

void UIMethodChartModel::setEcarts(const QList<int> &value)
{
    if (sameValue(m_ecarts, value)) {
        return;
    }
    m_ecarts = value;
    emit ecartsChanged();
}

void UIMethodChartModel::setBlocks(const QList<int> &value)
{
    if (sameValue(m_blocks, value)) {
        return;
    }
    m_blocks = value;
    emit blocksChanged();
}

void UIMethodChartModel::setTotal(int value)
{
    if (sameValue(m_total, value)) {
        return;
    }
    m_total = value;
    emit totalChanged();
}

void UIMethodChartModel::setNbNumMoyen(double value)
{
    if (m_nbNumMoyen == value) {
        return;
    }
    m_nbNumMoyen = value;
    emit nbNumMoyenChanged();
}

void UIMethodChartModel::setMethodId(int value)
{
    if (sameValue(m_methodId, value)) {
        return;
    }
    m_methodId = value;
    emit methodIdChanged();
}

void UIMethodChartModel::setDoms(const QList<int> &value)
{
    if (sameValue(m_doms, value)) {
        return;
    }
    m_doms = value;
    emit domsChanged();
}

void UIMethodChartModel::setRatio(double value)
{
    if (sameValue(m_ratio, value)) {
        return;
    }
    m_ratio = value;
    emit ratioChanged();
}

void UIMethodChartModel::setRatioCT(double value)
{
    if (sameValue(m_ratioCT, value)) {
        return;
    }
    m_ratioCT = value;
    emit ratioCTChanged();
}

void UIMethodChartModel::setEcartMoyen(double value)
{
    if (sameValue(m_ecartMoyen, value)) {
        return;
    }
    m_ecartMoyen = value;
    emit ecartMoyenChanged();
}

void UIMethodChartModel::setRatioTheorique(double value)
{
    if (sameValue(m_ratioTheorique, value)) {
        return;
    }
    m_ratioTheorique = value;
}

void UIMethodChartModel::setEcartMoyenCT(double value)
{
    if (sameValue(m_ecartMoyenCT, value)) {
        return;
    }
    m_ecartMoyenCT = value;
    emit ecartMoyenCTChanged();
}

void UIMethodChartModel::setCurrentPlayinglevel(int value)
{
    if (sameValue(m_currentPlayinglevel, value)) {
        return;
    }
    m_currentPlayinglevel = value;
    emit currentPlayinglevelChanged();
}

void UIMethodChartModel::setNbDetectionsNiv1(int value)
{
    if (sameValue(m_nbDetectionsNiv1, value)) {
        return;
    }
    m_nbDetectionsNiv1 = value;
    emit nbDetectionsNiv1Changed();
}

void UIMethodChartModel::setNbDetectionsNiv2(int value)
{
    if (sameValue(m_nbDetectionsNiv2, value)) {
        return;
    }
    m_nbDetectionsNiv2 = value;
    emit nbDetectionsNiv2Changed();
}

void UIMethodChartModel::setNbDetectionsNiv3(int value)
{
    if (sameValue(m_nbDetectionsNiv3, value)) {
        return;
    }
    m_nbDetectionsNiv3 = value;
    emit nbDetectionsNiv3Changed();
}

void UIMethodChartModel::setNbDetectionsNiv3after2(int value)
{
    if (sameValue(m_nbDetectionsNiv3after2, value)) {
        return;
    }
    m_nbDetectionsNiv3after2 = value;
    emit nbDetectionsNiv3after2Changed();
}

void UIMethodChartModel::setNbWinDetectionsNiv1(int value)
{
    if (sameValue(m_nbWinDetectionsNiv1, value)) {
        return;
    }
    m_nbWinDetectionsNiv1 = value;
    emit nbWinDetectionsNiv1Changed();
}

void UIMethodChartModel::setNbWinDetectionsNiv2(int value)
{
    if (sameValue(m_nbWinDetectionsNiv2, value)) {
        return;
    }
    m_nbWinDetectionsNiv2 = value;
    emit nbWinDetectionsNiv2Changed();
}

void UIMethodChartModel::setNbWinDetectionsNiv3(int value)
{
    if (sameValue(m_nbWinDetectionsNiv3, value)) {
        return;
    }
    m_nbWinDetectionsNiv3 = value;
    emit nbWinDetectionsNiv3Changed();
}

void UIMethodChartModel::setNbWinDetectionsNiv3after2(int value)
{
    if (sameValue(m_nbWinDetectionsNiv3after2, value)) {
        return;
    }
    m_nbWinDetectionsNiv3after2 = value;
    emit nbWinDetectionsNiv3after2Changed();
}

void UIMethodChartModel::setNbBlocDominantsPlayed(int value)
{
    if (sameValue(m_nbBlocDominantsPlayed, value)) {
        return;
    }
    m_nbBlocDominantsPlayed = value;
    emit nbBlocDominantsPlayedChanged();
}

void UIMethodChartModel::setNbBlocDominantsWon(int value)
{
    if (sameValue(m_nbBlocDominantsWon, value)) {
        return;
    }
    m_nbBlocDominantsWon = value;
    emit nbBlocDominantsWonChanged();
}

void UIMethodChartModel::setProfitMin(int value)
{
    if (sameValue(m_profitMin, value)) {
        return;
    }
    m_profitMin = value;
    emit profitMinChanged();
}

void UIMethodChartModel::setProfitMax(int value)
{
    if (sameValue(m_profitMax, value)) {
        return;
    }
    m_profitMax = value;
    emit profitMaxChanged();
}

void UIMethodChartModel::setProfitRegLine(const QList<int> &value)
{
    if (sameValue(m_profitRegLine, value)) {
        return;
    }
    m_profitRegLine = value;
    emit profitRegLineChanged();
}

void UIMethodChartModel::setProfitValues(const QList<int> &value)
{
    if (sameValue(m_profitValues, value)) {
        return;
    }
    m_profitValues = value;
    emit profitValuesChanged();
}

void UIMethodChartModel::setShortTermCount(int value)
{
    if (sameValue(m_shortTermCount, value)) {
        return;
    }
    m_shortTermCount = value;
    emit shortTermCountChanged();
}

void UIMethodChartModel::setProfitMoyenne1(const QList<int> &value)
{
    if (sameValue(m_profitMoyenne1, value)) {
        return;
    }
    m_profitMoyenne1 = value;
    emit profitMoyenne1Changed();
}

void UIMethodChartModel::setProfitMoyenne1Offset(int value)
{
    if (sameValue(m_profitMoyenne1Offset, value)) {
        return;
    }
    m_profitMoyenne1Offset = value;
    emit profitMoyenne1OffsetChanged();
}

void UIMethodChartModel::setProfitMoyenne2(const QList<int> &value)
{
    if (sameValue(m_profitMoyenne2, value)) {
        return;
    }
    m_profitMoyenne2 = value;
    emit profitMoyenne2Changed();
}

void UIMethodChartModel::setProfitMoyenne2Offset(int value)
{
    if (sameValue(m_profitMoyenne2Offset, value)) {
        return;
    }
    m_profitMoyenne2Offset = value;
    emit profitMoyenne2OffsetChanged();
}

void UIMethodChartModel::setTendances(const QList<int> &value)
{
    if (sameValue(m_tendances, value)) {
        return;
    }
    m_tendances = value;
    emit tendancesChanged();
}

void UIMethodChartModel::setNotifBlocks(const QList<int> &value)
{
    if (sameValue(m_notifBlocks, value)) {
        return;
    }
    m_notifBlocks = value;
    emit notifBlocksChanged();
}

void UIMethodChartModel::setNotifTotal(int value)
{
    if (sameValue(m_notifTotal, value)) {
        return;
    }
    m_notifTotal = value;
    emit notifTotalChanged();
}

void UIMethodChartModel::setNotifEcarts(const QList<int> &value)
{
    if (sameValue(m_notifEcarts, value)) {
        return;
    }
    m_notifEcarts = value;
    emit notifEcartsChanged();
}

void UIMethodChartModel::setNotifBlockMax(int value)
{
    if (sameValue(m_notifBlockMax, value)) {
        return;
    }
    m_notifBlockMax = value;
    emit notifBlockMaxChanged();
}

void UIMethodChartModel::setBlockMax(int value)
{
    if (sameValue(m_blockMax, value)) {
        return;
    }
    m_blockMax = value;
    emit blockMaxChanged();
}

void UIMethodChartModel::setMethodName(const QString &value)
{
    if (sameValue(m_methodName, value)) {
        return;
    }
    m_methodName = value;
    emit methodNameChanged();
}

void UIMethodChartModel::setProfitCTMin(int value)
{
    if (sameValue(m_profitCTMin, value)) {
        return;
    }
    m_profitCTMin = value;
    emit profitCTMinChanged();
}

void UIMethodChartModel::setProfitCTMax(int value)
{
    if (sameValue(m_profitCTMax, value)) {
        return;
    }
    m_profitCTMax = value;
    emit profitCTMaxChanged();
}

void UIMethodChartModel::setProfitCTValues(const QList<int> &value)
{
    if (sameValue(m_profitCTValues, value)) {
        return;
    }
    m_profitCTValues = value;
    emit profitCTValuesChanged();
}

void UIMethodChartModel::setBMax(int value)
{
    if (sameValue(m_bMax, value)) {
        return;
    }
    m_bMax = value;
    emit bMaxChanged();
}

void UIMethodChartModel::setBMin(int value)
{
    if (sameValue(m_bMin, value)) {
        return;
    }
    m_bMin = value;
    emit bMinChanged();
}

void UIMethodChartModel::setBlackIndex(int value)
{
    if (sameValue(m_blackIndex, value)) {
        return;
    }
    m_blackIndex = value;
    emit blackIndexChanged();
}

void UIMethodChartModel::setHasDetails(bool value)
{
    if (sameValue(m_hasDetails, value)) {
        return;
    }
    m_hasDetails = value;
    emit hasDetailsChanged();
}
