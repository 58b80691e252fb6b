#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

#include <array>

namespace Nox {

/// Accumulating neighbour family: every result adds its row of a table of 37 rows of up to five
/// numbers (and zero) to the numbers in play, until one of them comes out (a zero does not count);
/// the next result then starts a new set. At most 35 numbers are kept.
class AbstractMethode37x5 : public NoxMethod, public NoxMethodInterface
{
public:
    using Table = std::array<std::array<int, 5>, 37>; ///< -1 marks an empty entry

    /// The table must outlive the method (the subclasses pass static ones).
    AbstractMethode37x5(const QString &name, const Table &table);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

    [[nodiscard]] const Table &table() const { return m_table; }

private:
    const Table &m_table;
    QList<int> m_numbers; ///< the numbers gathered so far
};

} // namespace Nox
