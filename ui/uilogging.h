#pragma once

#include <QLoggingCategory>

/// The presentation layer's debug texts ("UIWrapper::onItemsToPlayChanged()", ...).
Q_DECLARE_LOGGING_CATEGORY(lcUi)
