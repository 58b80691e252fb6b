// The members of the two-chance family: constructors only.

#include "methods/methodebaccarahawkspb.h"
#include "methods/methodebaccarainvhawkspb.h"
#include "methods/methodebaccaramirpb.h"
#include "methods/methodecshawksmp.h"
#include "methods/methodecshawkspi.h"
#include "methods/methodecsinvhawksmp.h"
#include "methods/methodecsinvhawkspi.h"
#include "methods/methodecsinvhawksrn.h"
#include "methods/methodecsinvmirmp.h"
#include "methods/methodecsinvmirpi.h"
#include "methods/methodecsinvmirrn.h"
#include "methods/methodecsmirmp.h"
#include "methods/methodecsmirpi.h"
#include "methods/methodecsmirrn.h"

namespace Nox {

MethodeCSInvHawksRN::MethodeCSInvHawksRN(const QString &name)
    : MethodeCSHawksRN(name, 1, true)
{
    setPair(NoxBetItemID::CS_N, NoxBetItemID::CS_R);
}

MethodeCSHawksPI::MethodeCSHawksPI(const QString &name)
    : MethodeCSHawksRN(name, 1, false)
{
    setPair(NoxBetItemID::CS_P, NoxBetItemID::CS_I);
}

MethodeCSInvHawksPI::MethodeCSInvHawksPI(const QString &name)
    : MethodeCSHawksRN(name, 1, true)
{
    setPair(NoxBetItemID::CS_P, NoxBetItemID::CS_I);
}

MethodeCSHawksMP::MethodeCSHawksMP(const QString &name)
    : MethodeCSHawksRN(name, 1, false)
{
    setPair(NoxBetItemID::CS_1_18, NoxBetItemID::CS_19_36);
}

MethodeCSInvHawksMP::MethodeCSInvHawksMP(const QString &name)
    : MethodeCSHawksRN(name, 1, true)
{
    setPair(NoxBetItemID::CS_1_18, NoxBetItemID::CS_19_36);
}

MethodeBaccaraHawksPB::MethodeBaccaraHawksPB(const QString &name)
    : MethodeCSHawksRN(name, 1, false)
{
    setPair(NoxBetItemID::B_PLAYER, NoxBetItemID::B_BANKER);
    setSubtype(NoxMethodSubType::yellow3);
}

MethodeBaccaraInvHawksPB::MethodeBaccaraInvHawksPB(const QString &name)
    : MethodeCSHawksRN(name, 1, true)
{
    setPair(NoxBetItemID::B_PLAYER, NoxBetItemID::B_BANKER);
    setSubtype(NoxMethodSubType::yellow3);
}

MethodeCSMirRN::MethodeCSMirRN(const QString &name, bool inverse)
    : MethodeCSHawksRN(name, 10, inverse)
{
    setPair(NoxBetItemID::CS_R, NoxBetItemID::CS_N);
}

MethodeCSInvMirRN::MethodeCSInvMirRN(const QString &name)
    : MethodeCSMirRN(name, true)
{
    setPair(NoxBetItemID::CS_R, NoxBetItemID::CS_N);
}

MethodeCSMirPI::MethodeCSMirPI(const QString &name)
    : MethodeCSMirRN(name, false)
{
    setPair(NoxBetItemID::CS_P, NoxBetItemID::CS_I);
}

MethodeCSInvMirPI::MethodeCSInvMirPI(const QString &name)
    : MethodeCSMirRN(name, true)
{
    setPair(NoxBetItemID::CS_P, NoxBetItemID::CS_I);
}

MethodeCSMirMP::MethodeCSMirMP(const QString &name)
    : MethodeCSMirRN(name, false)
{
    setPair(NoxBetItemID::CS_1_18, NoxBetItemID::CS_19_36);
}

MethodeCSInvMirMP::MethodeCSInvMirMP(const QString &name)
    : MethodeCSMirRN(name, true)
{
    setPair(NoxBetItemID::CS_1_18, NoxBetItemID::CS_19_36);
}

MethodeBaccaraMirPB::MethodeBaccaraMirPB(const QString &name, bool inverse)
    : MethodeCSMirRN(name, inverse)
{
    setPair(NoxBetItemID::B_PLAYER, NoxBetItemID::B_BANKER);
    setSubtype(NoxMethodSubType::yellow3);
}

} // namespace Nox
