#!/usr/bin/env bash
# Collects the texts of the screens, and those the facade and the shell show on them, into the
# translation files qml/NoxRouletteUi/i18n/qml_fr.ts and qml_en.ts (new texts appear
# unfinished; translate them with linguist). The build turns the .ts files into the .qm files
# the program loads.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
lupdate=/usr/lib/qt6/bin/lupdate
cd "$top"
sources=(qml ui app archive engine/noxprofilefile.cpp money/noxmontantelibrary.cpp money/noxguards.cpp money/noxguardtracker.cpp)
"$lupdate" -locations none -source-language fr -target-language fr "${sources[@]}" -ts qml/NoxRouletteUi/i18n/qml_fr.ts
"$lupdate" -locations none -source-language fr -target-language en "${sources[@]}" -ts qml/NoxRouletteUi/i18n/qml_en.ts
