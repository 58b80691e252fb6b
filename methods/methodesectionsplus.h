#pragma once

#include "methods/methodesections.h"

namespace Nox {

/// "Les Sections +": follows the course of "Les Sections" on its own proposal but bets only from
/// the second miss in a row on.
class MethodeSectionsPlus : public MethodeSections
{
public:
    explicit MethodeSectionsPlus(const QString &name);

    void commit(const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

private:
    QList<int> m_proposal; ///< P: the last proposal, played or not
};

} // namespace Nox
