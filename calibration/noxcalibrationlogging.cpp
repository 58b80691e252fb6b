#include "calibration/noxcalibrationlogging.h"

Q_LOGGING_CATEGORY(lcNoxCalibration, "nox.calibration")
