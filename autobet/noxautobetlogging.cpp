#include "autobet/noxautobetlogging.h"

Q_LOGGING_CATEGORY(lcNoxAutobet, "nox.autobet")
