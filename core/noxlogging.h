#pragma once

#include <QLoggingCategory>

// One logging category per subsystem.
Q_DECLARE_LOGGING_CATEGORY(lcNoxEngine)
Q_DECLARE_LOGGING_CATEGORY(lcNoxMethods)
Q_DECLARE_LOGGING_CATEGORY(lcNoxMoney)
