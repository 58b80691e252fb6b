#include "archive/noxarchivelogging.h"

Q_LOGGING_CATEGORY(lcNoxArchive, "nox.archive")
