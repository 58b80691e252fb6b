#!/usr/bin/env bash
# Collects the texts of the screens and of the facade's messages (qml/ and ui/) into the
# translation files qml/NoxRouletteUi/i18n/qml_fr.ts and qml_en.ts (new texts appear unfinished;
# translate them with linguist). The build turns the .ts files into the .qm files the program
# loads.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
lupdate=/usr/lib/qt6/bin/lupdate
cd "$top"
sources=(qml ui engine/noxprofilefile.cpp money/noxmontantelibrary.cpp)
"$lupdate" -locations none -source-language fr -target-language fr "${sources[@]}" -ts qml/NoxRouletteUi/i18n/qml_fr.ts
"$lupdate" -locations none -source-language fr -target-language en "${sources[@]}" -ts qml/NoxRouletteUi/i18n/qml_en.ts
