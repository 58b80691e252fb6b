#pragma once

#include <QLoggingCategory>

// The table calibration and the capture of its clicks.
Q_DECLARE_LOGGING_CATEGORY(lcNoxCalibration)
