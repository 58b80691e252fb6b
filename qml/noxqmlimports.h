#pragma once

// Include once, in the translation unit of main() or of a QML test runner: it pulls in the
// static QML plugins of every module of the program.
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(NoxRouletteModelPlugin)
Q_IMPORT_QML_PLUGIN(ThemePlugin)
Q_IMPORT_QML_PLUGIN(CommonStylePlugin)
Q_IMPORT_QML_PLUGIN(DesignEffectsPlugin)
Q_IMPORT_QML_PLUGIN(NoxRouletteUiPlugin)
Q_IMPORT_QML_PLUGIN(NoxRouletteUi_CommonPlugin)
Q_IMPORT_QML_PLUGIN(NoxRouletteUi_BaccaraPlugin)
Q_IMPORT_QML_PLUGIN(NoxBaccaratAppPlugin)
