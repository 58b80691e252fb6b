#pragma once

#include <QLoggingCategory>

/// The presentation layer's debug texts ("UIWrapper::onItemsToPlayChanged()", ...).
Q_DECLARE_LOGGING_CATEGORY(lcUi)

/// The list models' per-refresh texts ("CHANGED", "updateSortCache ..."): several lines for
/// every played result and every edited setting, so their debug level is off unless asked for
/// with QT_LOGGING_RULES="nox.ui.models.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcUiModels)
