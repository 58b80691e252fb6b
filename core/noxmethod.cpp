#include "core/noxmethod.h"

#include "core/noxbetitem.h"
#include "core/noxlistequal.h"

#include <algorithm>
#include <functional>

namespace Nox {

NoxMethod::NoxMethod(NoxMethodType type, NoxMethodSubType subtype, QString name, QString key, QString label)
    : m_type(type)
    , m_subtype(subtype)
    , m_name(std::move(name))
    , m_key(key.isEmpty() ? keyFor(m_name, subtype) : std::move(key))
    , m_label(label.isEmpty() ? m_key : std::move(label))
{}

NoxMethod::~NoxMethod() = default;

QString NoxMethod::keyFor(const QString &name, NoxMethodSubType subtype)
{
    QString key = QString::fromLatin1(name.toLower().toLatin1());
    key.replace(QLatin1Char(' '), QLatin1Char('-'));
    key.replace(QLatin1Char('/'), QLatin1Char('-'));
    if (subtype == NoxMethodSubType::purpleperso4) {
        key.prepend(QStringLiteral("/perso/"));
    }
    return key;
}

void NoxMethod::setProposal(const QList<NoxBetItemID> &items)
{
    // Most methods propose the same items coup after coup: their numbers are already there.
    if (m_coveredFromItems && noxSameList(items, m_itemsToPlay)) {
        return;
    }
    m_coveredFromItems = true;
    m_itemsToPlay = items;
    if (items.size() == 1) {
        // One item (most methods): its own number list is shared when already in order.
        const QList<int> &nums = betItem(items.first()).nums();
        if (std::adjacent_find(nums.cbegin(), nums.cend(), std::greater_equal<int>()) == nums.cend()) {
            setCovered(nums);
            return;
        }
    }
    QList<int> covered;
    for (NoxBetItemID id : items) {
        for (int n : betItem(id).nums()) {
            covered.append(n);
        }
    }
    std::sort(covered.begin(), covered.end());
    covered.erase(std::unique(covered.begin(), covered.end()), covered.end());
    setCovered(covered);
}

void NoxMethod::setCovered(const QList<int> &numbers)
{
    m_coveredNumbers = numbers;
    m_coveredBits = 0;
    m_coveredBeyond = false;
    for (int n : numbers) {
        if (n >= 0 && n < 64) {
            m_coveredBits |= quint64(1) << n;
        } else {
            m_coveredBeyond = true;
        }
    }
}

void NoxMethod::clearProposal()
{
    m_itemsToPlay.clear();
    setCovered({});
    m_coveredFromItems = true;
    m_centerNumber = -1;
}

} // namespace Nox
