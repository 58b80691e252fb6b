// The single-number methods built on wheel and layout neighbours: the accumulating tables, the
// growing sets, the final digits, the star and knight tables, and the sector followers.

#include "methods/abstractmethode37x5.h"
#include "methods/methodeassociation.h"
#include "methods/methodecross.h"
#include "methods/methodedscavalier.h"
#include "methods/methodedssecteur.h"
#include "methods/methodeetoile.h"
#include "methods/methodeminus.h"
#include "methods/methodeperpetuum.h"
#include "methods/methodeplus.h"
#include "methods/methodesuiveuse.h"
#include "methods/methodesuiveuseplus.h"
#include "methods/methodeultrads.h"
#include "methods/methodevoisin4.h"
#include "methods/methodevoisinsplus.h"
#include "methods/methodevoisinx.h"

#include "core/noxmethodcontext.h"
#include "methods/noxroulettetable.h"
#include "methods/noxwheel.h"

#include <algorithm>

namespace Nox {

namespace {

using T = NoxRouletteTable;
using Table = AbstractMethode37x5::Table;

/// A table row from a short list, the rest marked empty.
std::array<int, 5> row(std::initializer_list<int> entries)
{
    std::array<int, 5> r{-1, -1, -1, -1, -1};
    std::copy(entries.begin(), entries.end(), r.begin());
    return r;
}

/// Layout row and column (0-based) of a number 1..36.
int layoutRow(int n)
{
    return (n - 1) / 3;
}
int layoutColumn(int n)
{
    return (n - 1) % 3;
}

NoxMethodParameter intParameter(const QString &name, int value, int minimum, int maximum)
{
    NoxMethodParameter p = NoxMethodParameter::named(name, value);
    p.minimum = minimum;
    p.maximum = maximum;
    return p;
}

/// The value of the parameter `name` in the list, clamped, or `current` when it is absent.
int intValue(const NoxMethodParameterList &parameters, const QString &name, int current, int minimum,
             int maximum)
{
    for (const NoxMethodParameter &p : parameters) {
        if (p.name == name && !p.value.isNone()) {
            return std::clamp(p.value.toInt(), minimum, maximum);
        }
    }
    return current;
}

/// Plays the numbers as single numbers, with zero appended when it is missing.
void playWithZero(NoxMethod &method, QList<int> numbers)
{
    T::addUnique(numbers, 0);
    method.setProposal(T::numberItems(numbers));
}

/// The numbers of the wheel sector of `half` neighbours on either side of position p.
QList<int> wheelSector(int p, int half)
{
    QList<int> numbers;
    for (int i = p - half; i <= p + half; ++i) {
        T::addUnique(numbers, NoxWheel::at(i));
    }
    return numbers;
}

} // namespace

// --- Accumulating tables ----------------------------------------------------------------------

AbstractMethode37x5::AbstractMethode37x5(const QString &name, const Table &table)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
    , m_table(table)
{
    setBlockPercentage(80);
}

void AbstractMethode37x5::process(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (v < 0) {
        m_numbers.clear();
        clearProposal();
        return;
    }
    T::addUnique(m_numbers, 0);
    for (int n : v <= 36 ? m_table[size_t(v)] : std::array<int, 5>{-1, -1, -1, -1, -1}) {
        if (n >= 0) {
            T::addUnique(m_numbers, n);
        }
    }
    if (m_numbers.size() > 35) {
        m_numbers.resize(35);
    }
    setProposal(T::numberItems(m_numbers));
}

void AbstractMethode37x5::commit(const NoxMethodContext &context)
{
    if (T::lastWins(*this, context, false)) {
        m_numbers.clear();
    }
}

bool AbstractMethode37x5::rollback(int, const NoxMethodContext &)
{
    return false;
}

void AbstractMethode37x5::reset(const NoxMethodContext &)
{
    m_numbers.clear();
    clearProposal();
}

const Table &MethodeVoisin4::rows()
{
    static const Table table = [] {
        Table t{};
        for (int n = 0; n <= 36; ++n) {
            t[size_t(n)] = row({n, NoxWheel::neighbour(n, -2), NoxWheel::neighbour(n, -1),
                                NoxWheel::neighbour(n, 1), NoxWheel::neighbour(n, 2)});
        }
        return t;
    }();
    return table;
}

MethodeVoisin4::MethodeVoisin4(const QString &name)
    : AbstractMethode37x5(name, rows())
{}

const Table &MethodePlus::rows()
{
    static const Table table = [] {
        Table t{};
        t[0] = row({0, 2});
        for (int n = 1; n <= 36; ++n) {
            QList<int> r{n};
            if (layoutColumn(n) != 0) {
                r << n - 1;
            }
            if (layoutColumn(n) != 2) {
                r << n + 1;
            }
            if (n - 3 >= 1) {
                r << n - 3;
            }
            if (n + 3 <= 36) {
                r << n + 3;
            }
            t[size_t(n)] = row({-1});
            std::copy(r.begin(), r.end(), t[size_t(n)].begin());
        }
        return t;
    }();
    return table;
}

MethodePlus::MethodePlus(const QString &name)
    : AbstractMethode37x5(name, rows())
{}

const Table &MethodeMinus::rows()
{
    static const Table table = [] {
        Table t{};
        t[0] = row({0, 1});
        for (int n = 1; n <= 36; ++n) {
            QList<int> r{n};
            if (n - 3 >= 1) {
                r << n - 3;
            }
            if (n + 3 <= 36) {
                r << n + 3;
            }
            t[size_t(n)] = row({-1});
            std::copy(r.begin(), r.end(), t[size_t(n)].begin());
        }
        return t;
    }();
    return table;
}

MethodeMinus::MethodeMinus(const QString &name)
    : AbstractMethode37x5(name, rows())
{}

const Table &MethodeCross::rows()
{
    static const Table table = [] {
        Table t{};
        t[0] = row({0, 1, 3});
        for (int n = 1; n <= 36; ++n) {
            QList<int> r{n};
            for (int d : {-4, -2, 2, 4}) {
                const int m = n + d;
                if (m >= 1 && m <= 36 && std::abs(layoutRow(m) - layoutRow(n)) == 1 &&
                    std::abs(layoutColumn(m) - layoutColumn(n)) == 1) {
                    r << m;
                }
            }
            t[size_t(n)] = row({-1});
            std::copy(r.begin(), r.end(), t[size_t(n)].begin());
        }
        return t;
    }();
    return table;
}

MethodeCross::MethodeCross(const QString &name)
    : AbstractMethode37x5(name, rows())
{}

// --- Growing set of past results --------------------------------------------------------------

MethodeVoisinX::MethodeVoisinX(const QString &name, int neighbours)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
    , m_neighbours(neighbours)
{
    setBlockPercentage(80);
}

void MethodeVoisinX::process(const NoxMethodContext &context)
{
    const int e = T::lastValue(context);
    if (e < 0) {
        return;
    }
    T::addUnique(m_numbers, 0);
    T::addUnique(m_numbers, e);
    for (int n : wheelSector(NoxWheel::position(e), m_neighbours / 2)) {
        T::addUnique(m_numbers, n);
    }
    setProposal(T::numberItems(m_numbers));
}

void MethodeVoisinX::commit(const NoxMethodContext &context)
{
    if (T::lastWins(*this, context, true)) {
        m_numbers.clear();
    }
}

bool MethodeVoisinX::rollback(int, const NoxMethodContext &)
{
    return false;
}

void MethodeVoisinX::reset(const NoxMethodContext &)
{
    m_numbers.clear();
    clearProposal();
}

NoxMethodParameterList MethodeVoisinX::parameters() const
{
    return {intParameter(QStringLiteral("NbVoisins"), m_neighbours, 0, 36)};
}

void MethodeVoisinX::setParameters(const NoxMethodParameterList &parameters)
{
    m_neighbours = intValue(parameters, QStringLiteral("NbVoisins"), m_neighbours, 0, 36);
}

// --- Final digits -----------------------------------------------------------------------------

MethodeAssociation::MethodeAssociation(const QString &name)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
{
    setBlockPercentage(80);
}

void MethodeAssociation::process(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (v < 0) {
        clearProposal();
        return;
    }
    QList<int> numbers;
    for (int d : {(v % 10 + 9) % 10, v % 10, (v % 10 + 1) % 10}) {
        for (int n = d; n <= 36; n += 10) {
            numbers << n;
        }
    }
    playWithZero(*this, numbers);
}

// --- Star table -------------------------------------------------------------------------------

namespace {
const QList<int> &starRow(int n)
{
    static const QList<int> rows[37] = {
        {1, 2, 25, 9, 10, 13, 14, 27, 28},
        {0, 6, 11, 13, 26, 27, 32, 36},
        {0, 3, 7, 12, 14, 20, 26, 28, 31, 32, 35},
        {5, 6, 11, 13, 15, 16, 17, 19, 24, 32, 34, 36},
        {1, 3, 8, 10, 12, 16, 23, 24, 33, 35},
        {0, 6, 9, 15, 17, 18, 22, 25, 32, 34},
        {1, 2, 4, 9, 14, 16, 18, 21, 22, 29, 31, 33},
        {0, 1, 8, 11, 14, 15, 20, 30, 32, 36},
        {4, 7, 9, 12, 14, 15, 18, 19, 28, 29, 31, 35},
        {0, 3, 7, 8, 11, 12, 25, 28, 30, 32},
        {0, 2, 6, 7, 13, 17, 18, 26, 27, 29, 32},
        {0, 1, 3, 7, 8, 11, 14, 20, 26, 28, 29, 30},
        {2, 4, 7, 8, 15, 17, 18, 19, 23, 25, 29, 30},
        {0, 1, 5, 11, 13, 16, 20, 24, 26, 32, 33, 36},
        {0, 2, 3, 8, 10, 12, 21, 23, 25, 26, 32, 35},
        {3, 5, 6, 9, 16, 17, 18, 22, 24, 26, 34, 35},
        {1, 2, 4, 8, 10, 16, 19, 21, 23, 33},
        {0, 1, 5, 9, 10, 14, 15, 18, 20, 22, 24, 32},
        {4, 6, 9, 14, 15, 19, 21, 27, 31, 34},
        {8, 9, 12, 14, 18, 22, 23, 28, 29, 30, 31, 35},
        {0, 7, 11, 15, 17, 25, 28, 29, 30, 32, 34, 36},
        {1, 6, 16, 18, 22, 24, 27, 29, 33, 34},
        {5, 6, 10, 15, 17, 19, 24, 25, 32, 34},
        {3, 4, 12, 14, 16, 19, 20, 21, 24, 31, 33, 35},
        {3, 11, 13, 15, 19, 26, 27, 32, 35, 36},
        {5, 6, 7, 10, 12, 13, 18, 23, 27, 28, 29, 35},
        {7, 8, 9, 11, 12, 22, 28, 30, 31, 36},
        {0, 1, 2, 5, 10, 17, 20, 23, 25, 26, 32, 33},
        {0, 2, 3, 9, 21, 22, 25, 26, 31, 32},
        {2, 5, 8, 10, 12, 17, 23, 25, 28, 30, 35},
        {0, 3, 7, 9, 11, 22, 26, 28, 29, 30, 31, 36},
        {4, 6, 8, 15, 18, 19, 22, 23, 27, 29, 30, 34},
        {1, 5, 7, 10, 14, 17, 20, 24, 25, 28, 29, 34},
        {2, 4, 6, 16, 19, 21, 24, 27, 33, 34},
        {3, 5, 9, 10, 15, 18, 19, 22, 24, 26, 32, 35},
        {2, 4, 8, 10, 14, 19, 20, 21, 23, 24, 31},
        {1, 3, 5, 13, 16, 20, 24, 26, 27, 33, 35, 36},
    };
    return rows[n];
}
} // namespace

MethodeEtoile::MethodeEtoile(const QString &name)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
{
    setBlockPercentage(80);
}

void MethodeEtoile::process(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (v < 0 || v > 36 || !m_numbers.isEmpty()) {
        return;
    }
    for (int n : starRow(v)) {
        T::addUnique(m_numbers, n);
    }
    T::addUnique(m_numbers, 0);
    setProposal(T::numberItems(m_numbers));
}

void MethodeEtoile::commit(const NoxMethodContext &context)
{
    if (T::lastWins(*this, context, true)) {
        m_numbers.clear();
        clearProposal();
    }
}

bool MethodeEtoile::rollback(int, const NoxMethodContext &)
{
    return false;
}

void MethodeEtoile::reset(const NoxMethodContext &)
{
    m_numbers.clear();
    clearProposal();
}

// --- Knight sets ------------------------------------------------------------------------------

namespace {
const QList<int> &knightRow(int n)
{
    static const QList<int> rows[37] = {
        {},
        {1, 3, 4, 5, 8, 10, 11, 15, 19, 23, 26, 30, 32, 35, 36},
        {2, 7, 9, 12, 14, 18, 20, 22, 28, 29, 31, 35, 0, 25, 17},
        {3, 3, 4, 5, 8, 10, 11, 15, 19, 23, 26, 30, 32, 35, 36},
        {4, 0, 3, 8, 11, 13, 15, 19, 23, 26, 27, 30, 32, 35, 36},
        {5, 3, 5, 7, 8, 10, 12, 16, 23, 24, 26, 28, 29, 30, 35},
        {6, 0, 3, 8, 11, 13, 15, 19, 23, 26, 27, 30, 32, 35, 36},
        {7, 1, 2, 4, 9, 14, 17, 19, 20, 21, 22, 25, 31, 33, 34},
        {8, 1, 3, 13, 15, 19, 20, 26, 27, 32, 33, 35, 36, 29, 31},
        {9, 1, 2, 4, 9, 14, 17, 19, 20, 21, 22, 25, 31, 33, 34},
        {10, 2, 5, 6, 8, 10, 16, 17, 21, 23, 24, 25, 27, 33, 34},
        {11, 4, 6, 16, 18, 19, 21, 22, 24, 27, 29, 33, 34, 20, 26},
        {12, 2, 5, 6, 8, 10, 16, 17, 21, 23, 24, 25, 27, 33, 34},
        {13, 1, 5, 8, 9, 10, 11, 14, 16, 20, 23, 30, 31, 33, 36},
        {14, 2, 4, 7, 9, 15, 19, 21, 22, 28, 29, 31, 3, 23, 0},
        {15, 1, 5, 8, 9, 10, 11, 14, 16, 20, 23, 30, 31, 33, 36},
        {16, 5, 8, 10, 11, 13, 23, 24, 27, 30, 36, 21, 18, 19, 33},
        {17, 5, 6, 9, 10, 12, 16, 18, 22, 23, 24, 28, 35, 20, 0},
        {18, 5, 8, 10, 11, 13, 23, 24, 27, 30, 36, 16, 19, 21, 31},
        {19, 0, 1, 3, 9, 12, 14, 15, 20, 22, 26, 31, 32, 33, 35},
        {20, 2, 6, 13, 15, 17, 19, 25, 27, 32, 36, 11, 20, 26, 0},
        {21, 0, 1, 3, 9, 12, 14, 15, 20, 22, 26, 31, 32, 33, 35},
        {22, 2, 6, 7, 9, 12, 17, 18, 21, 22, 25, 27, 28, 29, 34},
        {23, 7, 8, 11, 12, 16, 18, 22, 24, 28, 29, 30, 33, 14, 21},
        {24, 2, 6, 7, 9, 12, 17, 18, 21, 22, 25, 27, 28, 29, 34},
        {25, 0, 1, 3, 4, 9, 14, 15, 16, 19, 20, 26, 31, 32, 33},
        {26, 2, 3, 4, 9, 14, 15, 19, 21, 26, 31, 35, 0, 11, 20},
        {27, 0, 1, 3, 4, 9, 14, 15, 16, 19, 20, 26, 31, 32, 33},
        {28, 0, 3, 5, 7, 8, 10, 11, 12, 23, 24, 26, 28, 30, 35},
        {29, 5, 6, 9, 11, 13, 16, 17, 18, 22, 24, 34, 36, 8, 10},
        {30, 0, 3, 5, 7, 8, 10, 11, 12, 23, 24, 26, 28, 30, 35},
        {31, 0, 2, 3, 4, 12, 15, 17, 19, 21, 25, 26, 32, 34, 35},
        {32, 2, 4, 6, 0, 11, 13, 17, 17, 21, 25, 27, 34, 34, 36},
        {33, 0, 2, 3, 4, 12, 15, 17, 19, 21, 25, 26, 32, 34, 35},
        {34, 5, 7, 8, 9, 10, 12, 16, 18, 22, 23, 24, 28, 29, 33},
        {35, 3, 7, 8, 10, 11, 12, 13, 18, 23, 28, 29, 30, 35, 36},
        {36, 5, 7, 8, 9, 10, 12, 16, 18, 22, 23, 24, 28, 29, 33},
    };
    return rows[n];
}
} // namespace

MethodeDSCavalier::MethodeDSCavalier(const QString &name)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
{
    setBlockPercentage(80);
}

void MethodeDSCavalier::process(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (v < 0) {
        clearProposal();
        return;
    }
    if (m_hold != 0) {
        return;
    }
    if (v == 0 || v > 36) {
        clearProposal();
        return;
    }
    QList<int> numbers;
    for (int n : knightRow(v)) {
        T::addUnique(numbers, n);
    }
    playWithZero(*this, numbers);
}

void MethodeDSCavalier::commit(const NoxMethodContext &context)
{
    if (context.count() < 2) {
        return;
    }
    // Every coup that does not win moves the counter on, a coup without a bet too (after a
    // zero, which chooses no row): the next row is chosen when the counter goes round.
    if (T::lastWins(*this, context, true)) {
        m_hold = 0;
    } else if (++m_hold > kMaxHold) {
        m_hold = 0;
    }
}

bool MethodeDSCavalier::rollback(int, const NoxMethodContext &)
{
    return false;
}

void MethodeDSCavalier::reset(const NoxMethodContext &)
{
    m_hold = 0;
    clearProposal();
}

// --- Sector followers -------------------------------------------------------------------------

MethodeSuiveuse::MethodeSuiveuse(const QString &name, bool inverse)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::whiteplein0, name)
    , m_inverse(inverse)
{
    setBlockPercentage(90);
}

void MethodeSuiveuse::process(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (v < 0) {
        clearProposal();
        return;
    }
    int p = NoxWheel::position(v);
    if (m_inverse) {
        p = p + 18 <= 36 ? p + 18 : p - 19;
    }
    playWithZero(*this, wheelSector(p, m_neighbours / 2));
    setCenterNumber(NoxWheel::at(p));
}

NoxMethodParameterList MethodeSuiveuse::parameters() const
{
    return {intParameter(QStringLiteral("NbVoisins"), m_neighbours, 0, 36)};
}

void MethodeSuiveuse::setParameters(const NoxMethodParameterList &parameters)
{
    m_neighbours = intValue(parameters, QStringLiteral("NbVoisins"), m_neighbours, 0, 36);
}

MethodeSuiveusePlus::MethodeSuiveusePlus(const QString &name)
    : MethodeSuiveuse(name, false)
{
    m_neighbours = 12;
    setBlockPercentage(85);
}

// --- Sectors of the last results (rules of this code base) ------------------------------------

MethodeVoisinsPlus::MethodeVoisinsPlus(const QString &name)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
{
    setBlockPercentage(75);
}

void MethodeVoisinsPlus::process(const NoxMethodContext &context)
{
    const int v = T::lastValue(context);
    if (v < 0) {
        clearProposal();
        return;
    }
    playWithZero(*this, wheelSector(NoxWheel::position(v), 3));
    setCenterNumber(v);
}

MethodeUltraDS::MethodeUltraDS(const QString &name)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
{
    setBlockPercentage(75);
}

void MethodeUltraDS::process(const NoxMethodContext &context)
{
    const int n = context.count();
    if (n < 2) {
        clearProposal();
        return;
    }
    QList<int> numbers;
    for (int i = n - 1; i >= n - 2; --i) {
        for (int x : wheelSector(NoxWheel::position(context.valueAt(i)), 2)) {
            T::addUnique(numbers, x);
        }
    }
    playWithZero(*this, numbers);
}

MethodeDSSecteur::MethodeDSSecteur(const QString &name, bool inverse)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::whiteplein0, name)
    , m_inverse(inverse)
{
    setBlockPercentage(85);
}

void MethodeDSSecteur::process(const NoxMethodContext &context)
{
    const int n = context.count();
    if (n < 2) {
        clearProposal();
        return;
    }
    const int from = NoxWheel::position(context.valueAt(n - 2));
    const int to = NoxWheel::position(context.valueAt(n - 1));
    int forward = ((to - from) % 37 + 37) % 37;
    const int step = forward <= 18 ? 1 : -1;
    const int length = step > 0 ? forward : 37 - forward;
    QList<int> arc;
    for (int i = 0; i <= length; ++i) {
        arc << NoxWheel::at(from + step * i);
    }
    if (!m_inverse) {
        playWithZero(*this, arc);
        return;
    }
    QList<int> outside;
    for (int x = 1; x <= 36; ++x) {
        if (!arc.contains(x)) {
            outside << x;
        }
    }
    outside.prepend(0);
    setProposal(T::numberItems(outside));
}

// --- Perpetuum --------------------------------------------------------------------------------

MethodePerpetuum::MethodePerpetuum(const QString &name, int count)
    : NoxMethod(NoxMethodType::plein, NoxMethodSubType::green1, name)
    , m_count(count)
{
    setBlockPercentage(85);
    setParameter(count * 3 + 1);
}

void MethodePerpetuum::process(const NoxMethodContext &context)
{
    QList<int> recent;
    for (int i = context.count() - 1; i >= 0 && recent.size() < m_count; --i) {
        const int v = context.valueAt(i);
        if (v > 0) {
            T::addUnique(recent, v);
        }
    }
    if (recent.size() < m_count) {
        clearProposal();
        return;
    }
    const int limit = parameter();
    QList<int> numbers{0};
    for (int d = 0; d <= 18 && numbers.size() < limit; ++d) {
        for (int x : recent) {
            for (int side : {-1, 1}) {
                if (numbers.size() < limit) {
                    T::addUnique(numbers, NoxWheel::neighbour(x, side * d));
                }
            }
        }
    }
    setProposal(T::numberItems(numbers));
}

NoxMethodParameterList MethodePerpetuum::parameters() const
{
    return {intParameter(QStringLiteral("NbMaxNumsToPlay"), parameter(), 1, 35)};
}

void MethodePerpetuum::setParameters(const NoxMethodParameterList &parameters)
{
    setParameter(intValue(parameters, QStringLiteral("NbMaxNumsToPlay"), parameter(), 1, 35));
}

} // namespace Nox
