// NoxMethodState: the coup records, decoded from their packed form.

#include "core/noxmethodstate.h"

#include "core/noxmethod.h"
#include "core/noxmethodstate_p.h"

#include <QMutexLocker>

#include <algorithm>
#include <limits>

namespace Nox {

namespace {

/// The number of elements of a sorted list below `value`.
qsizetype lowerBound(const NoxChunkedList<int> &list, int value)
{
    qsizetype lo = 0;
    qsizetype hi = list.size();
    while (lo < hi) {
        const qsizetype mid = lo + (hi - lo) / 2;
        if (list.at(mid) < value) {
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    return lo;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Records

NoxCoupRecord NoxMethodState::recordAt(qsizetype index) const
{
    const PackedRecord &packed = m_records.at(index);
    NoxCoupRecord rec;
    rec.value = packed.value;
    rec.numbers = packed.numbers;
    rec.tendency = tendencyAt(index);
    rec.flags = packed.flags;
    if (packed.flags & NoxCoupRecord::Win) {
        // The win's place among the wins, found by bisection of their record indexes.
        const qsizetype w = lowerBound(m_winRecords, int(index));
        rec.gap = w < m_gaps.size() ? m_gaps.at(w) : 0;
    }
    return rec;
}

NoxCoupRecord NoxMethodState::record(int index) const
{
    QMutexLocker lock(&m_method->mutex());
    if (index < 0) {
        index = int(m_records.size()) + index;
    }
    return index >= 0 && index < m_records.size() ? recordAt(index) : NoxCoupRecord{};
}

QList<NoxCoupRecord> NoxMethodState::history() const
{
    return newestRecords(std::numeric_limits<int>::max());
}

QList<NoxCoupRecord> NoxMethodState::newestRecords(int count) const
{
    QMutexLocker lock(&m_method->mutex());
    const qsizetype n = m_records.size();
    const qsizetype wanted = std::clamp(qsizetype(count), qsizetype(0), n);
    if (wanted <= kNewestTailLimit) {
        const NoxSlidingList<NoxCoupRecord> &tail = newestTail(int(wanted));
        return tail.toList(tail.size() - wanted);
    }
    return decodeRecords(n - wanted);
}

const NoxSlidingList<NoxCoupRecord> &NoxMethodState::refreshNewestTail(int count) const
{
    const qsizetype n = m_records.size();
    const qsizetype wanted = std::clamp(qsizetype(count), qsizetype(0), std::min(n, kNewestTailLimit));
    if (wanted > m_newestTailCapacity) {
        m_newestTailCapacity = wanted;
        m_newestTailValid = false;
    }
    // Withdrawn results shorten the tail; it is decoded again once it runs short.
    if (!m_newestTailValid || (m_newestTail.size() < wanted && m_newestTail.size() < n)) {
        m_newestTail.assign(decodeRecords(n - std::min(n, m_newestTailCapacity)));
        m_newestTailValid = true;
    }
    return m_newestTail;
}

QList<NoxCoupRecord> NoxMethodState::decodeRecords(qsizetype first) const
{
    const qsizetype n = m_records.size();
    QList<NoxCoupRecord> records(n - first);
    // The wins among them follow each other in the gap list: one bisection finds the first.
    qsizetype w = lowerBound(m_winRecords, int(first));
    const double denominator = windowDenominator(m_codeWindow);
    for (qsizetype i = first; i < n; ++i) {
        const PackedRecord &packed = m_records.at(i);
        NoxCoupRecord &rec = records[i - first];
        rec.value = packed.value;
        rec.numbers = packed.numbers;
        const qint32 code = m_tendencyCodes.at(i);
        rec.tendency = code == kExceptionCode ? m_tendencyExceptions.value(i, kNaN)
                                              : decodeWith(code, m_codeFactor, denominator);
        rec.flags = packed.flags;
        if ((packed.flags & NoxCoupRecord::Win) && w < m_gaps.size()) {
            rec.gap = m_gaps.at(w++);
        }
    }
    return records;
}

} // namespace Nox
