#include "engine/noxbetitem.h"
#include "engine/noxmethod.h"
#include "engine/noxmethodstate.h"
#include "engine/noxsnapshotcontext.h"

#include <QCoreApplication>
#include <QTextStream>

// Until the screens exist, start-up checks the model library: the bet item table and one
// method state fed a short baccarat history.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("NoxBaccarat"));
    QCoreApplication::setApplicationName(QStringLiteral("Baccarat Vantor Pro"));

    auto *banker =
        new Nox::NoxMethod(Nox::NoxMethodType::cs, Nox::NoxMethodSubType::banker13, QStringLiteral("BANKER"));
    banker->setProposal({Nox::NoxBetItemID::B_BANKER});
    Nox::NoxMethodState state(banker);
    const QList<int> shoe{2, 1, 2, 2, 0, 1, 2};
    const QList<Nox::NoxMethodState *> states{&state};
    for (int i = 0; i < shoe.size(); ++i) {
        Nox::NoxSnapshotContext context(shoe, states, &state, i + 1);
        state.processValue(shoe.at(i), context);
    }
    QTextStream out(stdout);
    out << "Nox model ready: " << Nox::betItems().size() << " bet items; BANKER won " << state.nbWins()
        << " of " << state.historyLength() << " coups, current gap " << state.ecart() << Qt::endl;
    return 0;
}
