#include "uilogging.h"

Q_LOGGING_CATEGORY(lcUi, "nox.ui")
