#pragma once

#include <QLoggingCategory>

// Calibration, click capture and automatic bet placement.
Q_DECLARE_LOGGING_CATEGORY(lcNoxAutobet)
