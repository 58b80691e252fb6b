#include "uilogging.h"

Q_LOGGING_CATEGORY(lcUi, "nox.ui")
Q_LOGGING_CATEGORY(lcUiModels, "nox.ui.models", QtInfoMsg)
