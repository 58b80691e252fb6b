#pragma once

#include "core/noxenums.h"
#include "money/noxmontantelibrary.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

namespace Nox {

class NoxMontante;

/// The engine's progressions: every progression registered under a bet kind, in registration
/// order, the current one of each kind, and the library file of the user progressions.
///
/// A user progression (MontantePerso, kind plein) is registered with a copy under each of cs,
/// col, douz, sixain and trans, each with the payout of its kind; the copies carry their own
/// identifiers and progress, and go with the user progressions when those are removed.
///
/// Thread rules: not thread-safe. The engine calls every member with its lock held, except
/// readLibrary(), which only reads files (and keeps a damaged one aside) and takes no lock.
class NoxMontanteRegistry
{
public:
    /// The name of each kind's current progression.
    using Names = QMap<NoxMethodType, QString>;

    /// What readLibrary() could use.
    enum class LibraryRead {
        Read,        ///< the file asked for
        BuiltinRead, ///< the default file is damaged: kept aside, the built-in library was read
        Failed       ///< nothing: the reason is in `error`
    };

    NoxMontanteRegistry() = default;
    /// Deletes every progression.
    ~NoxMontanteRegistry();

    NoxMontanteRegistry(const NoxMontanteRegistry &) = delete;
    NoxMontanteRegistry &operator=(const NoxMontanteRegistry &) = delete;

    /// Takes ownership and registers under a kind (the first of a kind becomes its current
    /// one), with the copies of a user progression. At baccarat a user progression's own
    /// payout is the tie's (8 to 1).
    void add(NoxMethodType type, NoxMontante *montante, bool baccarat);
    /// The built-in progressions of the edition, in their fixed order.
    void addBuiltins(bool baccarat);

    [[nodiscard]] NoxMontante *current(NoxMethodType type) const { return m_current.value(type); }
    /// The current progression of every kind that has one.
    [[nodiscard]] const QMap<NoxMethodType, NoxMontante *> &currentByKind() const { return m_current; }
    /// Makes `montante` (registered under `type`) the kind's current one; false when it
    /// already was.
    bool setCurrent(NoxMethodType type, NoxMontante *montante);
    [[nodiscard]] Names currentNames() const;

    /// The kind's progressions, in registration order.
    [[nodiscard]] QList<NoxMontante *> ofKind(NoxMethodType type) const { return m_byKind.value(type); }
    [[nodiscard]] NoxMontante *find(NoxMethodType type, int montanteId) const;
    /// The kind's first progression named `name`.
    [[nodiscard]] NoxMontante *findByName(NoxMethodType type, const QString &name) const;
    /// The progression with that identifier among the kinds a user edit looks at (plein, cs,
    /// col, douz, sixain, in that order).
    [[nodiscard]] NoxMontante *findForEdit(int montanteId) const;
    /// Identifier and name of the kind's progressions, in registration order.
    [[nodiscard]] QList<QPair<int, QString>> list(NoxMethodType type) const;
    /// Identifiers of the user progressions (kind plein), in registration order.
    [[nodiscard]] QList<int> userIds() const;

    /// Takes the progression out of its kind (whose first then becomes current if it was)
    /// and deletes it.
    void remove(NoxMontante *montante);
    /// Removes every user progression and every copy of one.
    void removeUser();
    /// Restarts every progression.
    void resetAll();

    /// The user progressions of kind plein as the library file holds them.
    [[nodiscard]] QByteArray serializeUser() const;
    /// Reads a library file into `loaded`. The default file (`isDefault`) may be missing (the
    /// built-in library is read instead); when it is damaged it is copied aside as
    /// "<path>.damaged" for the player (the next save overwrites it) and the built-in library
    /// is read.
    static LibraryRead readLibrary(const QString &path, bool isDefault, NoxMontanteLibrary::List *loaded,
                                   QString *error);

private:
    /// Registers without the user-progression copies.
    void registerOne(NoxMethodType type, NoxMontante *montante);

    QMap<NoxMethodType, QList<NoxMontante *>> m_byKind;
    QMap<NoxMethodType, NoxMontante *> m_current;
    int m_nextId = 0;
};

} // namespace Nox
