// The single-number methods that read the wheel by sections and spans: the wheel sections, the
// dealer signature and the Omega sixain watch.

#include "methods/methodeomega.h"
#include "methods/methodesections.h"
#include "methods/methodesectionsplus.h"
#include "methods/methodesignature.h"
#include "methods/methodesignaturebase.h"

#include "core/noxbetitem.h"
#include "core/noxitem.h"
#include "core/noxmethodcontext.h"
#include "methods/noxroulettetable.h"
#include "methods/noxwheel.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace Nox {

namespace {

using T = NoxRouletteTable;

NoxMethodParameter makeParameter(const QString &name, NoxValue value, NoxValue minimum, NoxValue maximum,
                                 int precision = 0)
{
    NoxMethodParameter p = NoxMethodParameter::named(name, std::move(value));
    p.minimum = std::move(minimum);
    p.maximum = std::move(maximum);
    p.precision = precision;
    return p;
}

const NoxMethodParameter *find(const NoxMethodParameterList &parameters, const QString &name)
{
    for (const NoxMethodParameter &p : parameters) {
        if (p.name == name && !p.value.isNone()) {
            return &p;
        }
    }
    return nullptr;
}

} // namespace

// --- Wheel sections ---------------------------------------------------------------------------

const QList<int> &MethodeSections::section(int index)
{
    static const QList<int> sections[4] = {{32, 15, 19, 4, 21, 2, 25, 17, 34},
                                           {6, 27, 13, 36, 11, 30, 8, 23, 10},
                                           {5, 24, 16, 33, 1, 20, 14, 31, 9},
                                           {22, 18, 29, 7, 28, 12, 35, 3, 26}};
    return sections[std::clamp(index, 0, 3)];
}

int MethodeSections::sectionOf(int number)
{
    return number <= 0 ? 0 : (NoxWheel::position(number) - 1) / 9;
}

MethodeSections::MethodeSections(const QString &name, bool inverse)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::whiteplein0, name)
    , m_inverse(inverse)
{
    setBlockPercentage(90);
}

QList<int> MethodeSections::proposalFor(int v)
{
    if (v < 0) {
        return {};
    }
    if (m_misses == 0) {
        m_first = {sectionOf(v)};
        m_second.clear();
    }
    if (m_misses == 1 && m_first.size() == 1) {
        m_first << sectionOf(v);
        m_second.clear();
        for (int s = 0; s < 4; ++s) {
            if (!m_first.contains(s)) {
                m_second << s;
            }
        }
    }
    QList<int> numbers{0};
    const bool switched = m_misses % 4 == 2 || m_misses % 4 == 3;
    // A section named twice is listed twice: its numbers carry two stakes.
    for (int s : switched ? m_second : m_first) {
        numbers << section(s);
    }
    if (m_inverse) {
        QList<int> outside{0};
        for (int x = 1; x <= 36; ++x) {
            if (!numbers.contains(x)) {
                outside << x;
            }
        }
        return outside;
    }
    return numbers;
}

void MethodeSections::commit(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (v == 0) {
        m_misses = 0;
    } else if (v > 0) {
        const bool stood = !itemsToPlay().isEmpty();
        const bool covered = covers(v);
        if (!m_inverse) {
            m_misses = covered ? 0 : (stood ? m_misses + 1 : m_misses);
        } else if (stood) {
            m_misses = covered ? m_misses + 1 : 0;
        }
    }
    setProposal(T::numberItems(proposalFor(v)));
}

void MethodeSections::reset(const NoxMethodContext &)
{
    m_misses = 0;
    m_first.clear();
    m_second.clear();
    clearProposal();
}

MethodeSectionsPlus::MethodeSectionsPlus(const QString &name)
    : MethodeSections(name, false)
{}

void MethodeSectionsPlus::commit(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (v == 0) {
        m_misses = 0;
    } else if (v > 0) {
        m_misses = m_proposal.contains(v) ? 0 : (m_proposal.isEmpty() ? m_misses : m_misses + 1);
    }
    m_proposal = proposalFor(v);
    setProposal(m_misses > 1 ? T::numberItems(m_proposal) : QList<NoxBetItemID>());
}

void MethodeSectionsPlus::reset(const NoxMethodContext &context)
{
    MethodeSections::reset(context);
    m_proposal.clear();
}

// --- Dealer signature -------------------------------------------------------------------------

MethodeSignatureBase::MethodeSignatureBase(const QString &name, bool inverse)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::whiteplein0, name)
    , m_inverse(inverse)
{
    setBlockPercentage(85);
    setParameter(19);
}

int MethodeSignatureBase::span(int from, int to, const QList<int> &list) const
{
    const int d1 = NoxWheel::position(to) - NoxWheel::position(from);
    const int base10 = NoxWheel::position(10);
    const auto pos10 = [base10](int n) {
        return (NoxWheel::position(n) - base10 + 37) % 37;
    };
    const int d2 = pos10(to) - pos10(from);
    if (list.isEmpty()) {
        return std::abs(d1) < std::abs(d2) ? d1 : d2;
    }
    const auto meanDifference = [&list](int candidate) {
        QList<int> l = list;
        l << candidate;
        double sum = 0;
        int pairs = 0;
        for (qsizetype i = 0; i < l.size(); ++i) {
            for (qsizetype j = i + 1; j < l.size(); ++j) {
                sum += l[i] - l[j];
                ++pairs;
            }
        }
        return float(sum / pairs);
    };
    return std::abs(meanDifference(d1)) < std::abs(meanDifference(d2)) ? d1 : d2;
}

void MethodeSignatureBase::process(const NoxMethodContext &context)
{
    const int n = context.count();
    const int q = m_observations;
    m_values.clear();
    m_cw = Direction();
    m_ccw = Direction();
    const auto isCcw = [this](int b) {
        return m_parity ? b % 2 == 1 : b % 2 == 0;
    };
    for (int b = std::max(1, n - 2 * q); b <= n - 1; ++b) {
        Direction &direction = isCcw(b) ? m_ccw : m_cw;
        direction.spans << span(context.valueAt(b - 1), context.valueAt(b), direction.spans);
        m_lastWasCcw = isCcw(b);
        m_values << context.valueAt(b);
    }
    std::sort(m_values.begin(), m_values.end());
    for (Direction *direction : {&m_cw, &m_ccw}) {
        QList<int> &spans = direction->spans;
        std::sort(spans.begin(), spans.end());
        if (spans.isEmpty()) {
            continue;
        }
        int sum = 0;
        for (int s : spans) {
            sum += s;
        }
        direction->mean = sum / int(spans.size());
        if (spans.size() >= 2) {
            double total = 0;
            int pairs = 0;
            for (qsizetype i = 0; i < spans.size(); ++i) {
                for (qsizetype j = i + 1; j < spans.size(); ++j) {
                    // Spans run from -36 to 36: their difference is taken round the wheel.
                    const int d = std::abs(spans[i] - spans[j]) % 37;
                    total += std::min(d, 37 - d);
                    ++pairs;
                }
            }
            direction->dispersion = total / pairs;
            direction->hasDispersion = true;
        }
    }
    if (n == 0) {
        clearProposal();
        return;
    }
    const Direction &coming = isCcw(n) ? m_ccw : m_cw;
    if (!coming.hasDispersion || m_startStdDev < coming.dispersion || n < 2 * q) {
        clearProposal();
        return;
    }
    const int centre = ((NoxWheel::position(context.valueAt(n - 1)) + coming.mean) % 37 + 37) % 37;
    QList<int> numbers{NoxWheel::at(centre)};
    const int k = m_inverse ? 9 : parameter() / 2;
    for (int i = 1; i <= k; ++i) {
        numbers << NoxWheel::at(centre + i) << NoxWheel::at(centre - i);
    }
    int centreNumber = NoxWheel::at(centre);
    if (m_inverse) {
        QList<int> outside;
        for (int x = 0; x <= 36; ++x) {
            if (!numbers.contains(x)) {
                outside << x;
            }
        }
        numbers = outside;
        centreNumber = NoxWheel::at(centre + 18 <= 36 ? centre + 18 : centre - 19);
    }
    setProposal(T::numberItems(numbers));
    setCenterNumber(centreNumber);
}

void MethodeSignatureBase::reset(const NoxMethodContext &)
{
    m_values.clear();
    m_cw = Direction();
    m_ccw = Direction();
    clearProposal();
}

NoxMethodParameterList MethodeSignatureBase::parameters() const
{
    return {makeParameter(QStringLiteral("NbMaxNumsToPlay"), NoxMethod::parameter(), 1, 36),
            makeParameter(QStringLiteral("NbObservations"), m_observations, 3, 12),
            makeParameter(QStringLiteral("StartStdDev"), m_startStdDev, 0.0, 30.0, 1)};
}

void MethodeSignatureBase::setParameters(const NoxMethodParameterList &parameters)
{
    if (const NoxMethodParameter *p = find(parameters, QStringLiteral("NbMaxNumsToPlay"))) {
        setParameter(std::clamp(p->value.toInt(), 1, 36));
    }
    if (const NoxMethodParameter *p = find(parameters, QStringLiteral("NbObservations"))) {
        m_observations = std::clamp(p->value.toInt(), 3, 12);
    }
    if (const NoxMethodParameter *p = find(parameters, QStringLiteral("StartStdDev"))) {
        const double v = p->value.toDouble();
        m_startStdDev = std::isfinite(v) ? std::clamp(v, 0.0, 30.0) : m_startStdDev;
    }
}

MethodeSignature::MethodeSignature(const QString &name)
    : MethodeSignatureBase(name, false)
{}

QList<QVariantMap> MethodeSignature::details() const
{
    // One record per named value, in the order of the view (a single map would sort them).
    const int centre = centerNumber();
    QList<QVariantMap> rows{
        detailValue(QStringLiteral("Count"), int(m_values.size())),
        detailValue(QStringLiteral("MoyennePorteeCW"), m_cw.mean),
        detailValue(QStringLiteral("ETPorteeCW"), m_cw.dispersion),
        detailValue(QStringLiteral("MoyennePorteeCCW"), m_ccw.mean),
        detailValue(QStringLiteral("ETPorteeCCW"), m_ccw.dispersion),
        detailValue(QStringLiteral("StartStdDev"), m_startStdDev),
        detailValue(QStringLiteral("NbMaxNumsToPlay"), parameter()),
        detailValue(QStringLiteral("PosOfCenter"), centre >= 0 ? NoxWheel::position(centre) : -1),
        detailValue(QStringLiteral("NextNumIsCW"), m_lastWasCcw),
    };
    for (int v : m_values) {
        rows << detailRow({{QStringLiteral("Num"), v},
                           {QStringLiteral("Col"), v == 0        ? QStringLiteral("green")
                                                   : T::isRed(v) ? QStringLiteral("red")
                                                                 : QStringLiteral("black")},
                           {QStringLiteral("IsCW"), !m_lastWasCcw},
                           {QStringLiteral("Val"), NoxWheel::position(v)}});
    }
    return rows;
}

// --- Omega ------------------------------------------------------------------------------------

MethodeOmega::MethodeOmega(const QString &name, bool numberMode, bool speed)
    : NoxMethod(numberMode ? NoxMethodType::plein : NoxMethodType::sixain,
                numberMode ? NoxMethodSubType::green1 : NoxMethodSubType::pinksixt9, name)
    , m_numberMode(numberMode)
    , m_speed(speed)
{}

QList<int> MethodeOmega::selection(const NoxMethodContext &context) const
{
    const int window = m_speed ? 3 : 6;
    std::array<int, 6> counts{};
    int last = -1;
    int seen = 0;
    for (int i = context.count() - 1; i >= 0 && seen < window; --i) {
        const int s = T::sixain(context.valueAt(i));
        if (s < 0) {
            continue;
        }
        if (last < 0) {
            last = s;
        }
        ++counts[size_t(s)];
        ++seen;
    }
    QList<int> chosen;
    for (int s = 0; s < 6; ++s) {
        if (counts[size_t(s)] >= m_minRepet && (!m_onlyRepet || s == last)) {
            chosen << s;
        }
    }
    return chosen;
}

void MethodeOmega::process(const NoxMethodContext &context)
{
    if (!m_playing) {
        m_current = selection(context);
    }
    if (!m_playing || m_current.isEmpty()) {
        clearProposal();
        return;
    }
    QList<NoxBetItemID> items;
    for (int s : std::as_const(m_current)) {
        if (m_numberMode) {
            for (int x = 6 * s + 1; x <= 6 * s + 6; ++x) {
                items << NoxBetItemID(x);
            }
        } else {
            items << T::sixainItem(s);
        }
    }
    setProposal(items);
}

void MethodeOmega::commit(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (v < 0) {
        return;
    }
    ++m_tour;
    const int s = T::sixain(v);
    if (s >= 0) {
        ++m_sorties[size_t(s)];
    }
    if (m_current.isEmpty()) {
        return;
    }
    const bool won = s >= 0 && m_current.contains(s);
    ++m_nbMises;
    if (m_playing) {
        ++m_nbMisesReelles;
    }
    if (won) {
        m_playing = false;
        m_fictif = 0;
        m_nbMises = 0;
        m_nbMisesReelles = 0;
    } else if (!m_playing && ++m_fictif >= m_limiteFictif) {
        m_playing = true;
    }
}

bool MethodeOmega::rollback(int, const NoxMethodContext &)
{
    return false;
}

void MethodeOmega::reset(const NoxMethodContext &)
{
    m_playing = false;
    m_fictif = 0;
    m_nbMises = 0;
    m_nbMisesReelles = 0;
    m_tour = 0;
    m_current.clear();
    m_sorties.fill(0);
    clearProposal();
}

NoxMethodParameterList MethodeOmega::parameters() const
{
    return {makeParameter(QStringLiteral("MinRepet"), m_minRepet, 1, 6),
            makeParameter(QStringLiteral("OnlyRepet"), m_onlyRepet, false, true),
            makeParameter(QStringLiteral("LimiteFictif"), m_limiteFictif, 0, 20)};
}

void MethodeOmega::setParameters(const NoxMethodParameterList &parameters)
{
    if (const NoxMethodParameter *p = find(parameters, QStringLiteral("MinRepet"))) {
        m_minRepet = std::clamp(p->value.toInt(), 1, 6);
    }
    if (const NoxMethodParameter *p = find(parameters, QStringLiteral("OnlyRepet"))) {
        m_onlyRepet = p->value.toBool();
    }
    if (const NoxMethodParameter *p = find(parameters, QStringLiteral("LimiteFictif"))) {
        m_limiteFictif = std::clamp(p->value.toInt(), 0, 20);
    }
}

QList<QVariantMap> MethodeOmega::details() const
{
    QStringList current;
    for (int s : m_current) {
        current << betItem(T::sixainItem(s)).name();
    }
    QStringList sorties;
    for (int c : m_sorties) {
        sorties << QString::number(c);
    }
    return {QVariantMap{{QStringLiteral("Playing"), m_playing},
                        {QStringLiteral("CurrentNbMises"), m_nbMises},
                        {QStringLiteral("CurrentNbMisesReelles"), m_nbMisesReelles},
                        {QStringLiteral("NumTour"), m_tour},
                        {QStringLiteral("NumPalier"), m_nbMisesReelles},
                        {QStringLiteral("Fictif"), m_fictif},
                        {QStringLiteral("MisesCourantes"), current.join(QLatin1Char(','))},
                        {QStringLiteral("NbSorties"), sorties.join(QLatin1Char(','))}}};
}

} // namespace Nox
