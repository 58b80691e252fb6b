#include "core/noxlogging.h"

Q_LOGGING_CATEGORY(lcNoxEngine, "nox.engine")
Q_LOGGING_CATEGORY(lcNoxMethods, "nox.methods")
Q_LOGGING_CATEGORY(lcNoxMoney, "nox.money")
