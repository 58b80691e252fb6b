#pragma once

#include "core/noxenums.h"
#include "core/noxmethodmutex.h"

#include <QList>
#include <QMutex>

#include <QString>
#include <mutex>

namespace Nox {

/// Base of every betting method. It carries the method's identity, its registration defaults
/// and its current proposal; the betting rule itself comes from the interfaces a subclass
/// implements (NoxMethodInterface and friends), reached by dynamic_cast. A plain NoxMethod is a
/// fixed-item method: its proposal is set once and never changes.
///
/// The mutex (recursive: an automatic method may read its own state) guards the method and its
/// state during every per-state operation; the proposal
/// fields are written only under it.
class NoxMethod
{
public:
    /// What the engine treats specially, set by the factory that makes the method.
    enum class Role { None, Favorites, TopAuto };

    /// An empty key is derived from the name (see keyFor()); an empty label is the key.
    NoxMethod(NoxMethodType type, NoxMethodSubType subtype, QString name, QString key = {},
              QString label = {});
    virtual ~NoxMethod();

    NoxMethod(const NoxMethod &) = delete;
    NoxMethod &operator=(const NoxMethod &) = delete;

    /// Settings key of a method: lower case, Latin-1, " " and "/" replaced by "-"; user methods
    /// (subtype purpleperso4) get the prefix "/perso/".
    [[nodiscard]] static QString keyFor(const QString &name, NoxMethodSubType subtype);

    [[nodiscard]] NoxMethodType type() const { return m_type; }
    [[nodiscard]] NoxMethodSubType subtype() const { return m_subtype; }
    [[nodiscard]] const QString &name() const { return m_name; }
    /// Renames the method; its settings key stays the one derived at creation.
    void setName(const QString &name) { m_name = name; }
    [[nodiscard]] const QString &key() const { return m_key; }
    [[nodiscard]] const QString &label() const { return m_label; }
    void setLabel(const QString &label) { m_label = label; }

    [[nodiscard]] Role role() const { return m_role; }
    void setRole(Role role) { m_role = role; }

    [[nodiscard]] int blockPercentage() const { return m_blockPercentage; }
    void setBlockPercentage(int percentage) { m_blockPercentage = percentage; }
    [[nodiscard]] int parameter() const { return m_parameter; }
    void setParameter(int parameter) { m_parameter = parameter; }
    [[nodiscard]] int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }
    [[nodiscard]] int quickModeRank() const { return m_quickModeRank; }
    void setQuickModeRank(int rank) { m_quickModeRank = rank; }
    [[nodiscard]] int defaultNbBlockDom() const { return m_defaultNbBlockDom; }
    void setDefaultNbBlockDom(int count) { m_defaultNbBlockDom = count; }
    [[nodiscard]] int defaultEcartNotif() const { return m_defaultEcartNotif; }
    void setDefaultEcartNotif(int threshold) { m_defaultEcartNotif = threshold; }

    // The current proposal.
    [[nodiscard]] int centerNumber() const { return m_centerNumber; }
    void setCenterNumber(int number) { m_centerNumber = number; }
    [[nodiscard]] const QList<int> &coveredNumbers() const { return m_coveredNumbers; }
    /// coveredNumbers().contains(number), a bit test for the numbers of a table.
    [[nodiscard]] bool covers(int number) const
    {
        if (number >= 0 && number < 64) {
            return (m_coveredBits >> number) & 1u;
        }
        return m_coveredBeyond && m_coveredNumbers.contains(number);
    }
    void setCoveredNumbers(const QList<int> &numbers)
    {
        setCovered(numbers);
        m_coveredFromItems = false;
    }
    [[nodiscard]] const QList<NoxBetItemID> &itemsToPlay() const { return m_itemsToPlay; }
    void setItemsToPlay(const QList<NoxBetItemID> &items)
    {
        m_itemsToPlay = items;
        m_coveredFromItems = false;
    }
    /// Sets the items and, as covered numbers, the sorted union of the results that win them.
    void setProposal(const QList<NoxBetItemID> &items);
    /// Empties the proposal.
    void clearProposal();

    [[nodiscard]] NoxMethodMutex &mutex() const { return m_mutex; }

protected:
    /// For subclasses that refine their family's subtype (the key is kept).
    void setSubtype(NoxMethodSubType subtype) { m_subtype = subtype; }

private:
    /// Sets m_coveredNumbers with its bits.
    void setCovered(const QList<int> &numbers);

    NoxMethodType m_type;
    NoxMethodSubType m_subtype;
    Role m_role = Role::None;
    QString m_name;
    QString m_key;
    QString m_label;
    int m_blockPercentage = 85;
    int m_parameter = 35;
    int m_index = -1;
    int m_quickModeRank = -1;
    int m_defaultNbBlockDom = 2;
    int m_defaultEcartNotif = 6;
    int m_centerNumber = -1;
    QList<int> m_coveredNumbers;
    quint64 m_coveredBits = 0;    ///< bit n set when n (below 64) is one of m_coveredNumbers
    bool m_coveredBeyond = false; ///< m_coveredNumbers holds a number outside [0, 64)
    QList<NoxBetItemID> m_itemsToPlay;
    bool m_coveredFromItems = true; ///< m_coveredNumbers is the union of m_itemsToPlay's numbers
    mutable NoxMethodMutex m_mutex;
};

} // namespace Nox
