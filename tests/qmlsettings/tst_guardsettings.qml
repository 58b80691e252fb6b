import QtQuick
import QtQuick.Controls
import QtTest
import NoxRouletteModel
import NoxRouletteUi.Common
import NoxRouletteUi.Baccara

// "Arrêts de session" in "Gestion Financière": each guard field writes through to
// UIWrapper.financial, a value the guards refuse shows its message under the field it concerns
// and leaves the stored value, the trailing stop's two amounts are switched on and off together.
Item {
    id: root
    width: 430
    height: 720

    Component { id: settingsComponent; Settings { width: 430; height: 720 } }

    TestCase {
        name: "GuardSettings"
        when: windowShown

        property var page
        property var content
        readonly property UIFinancialConfig financial: UIWrapper.financial

        function init() {
            page = createTemporaryObject(settingsComponent, root)
            verify(page)
            content = openFinancial()
        }

        // Every guard off again: the engine is shared by the whole run.
        function cleanup() {
            financial.setTrailingStop(0, 0)
            for (const key of ["losingStreak", "stakedCoups", "sessionMinutes", "maxStake", "tableLimitPlayer",
                               "tableLimitBanker", "tableLimitTie"])
                financial[key] = 0
            financial.lossLimitStops = false
            financial.gainLimitStops = false
            financial.maxStakeRule = UIFinancialConfig.CapStake
            financial.clearGuardsError()
        }

        function openFinancial() {
            const section = page.section(0)
            mouseClick(findChild(section, "sectionHeader"))
            tryVerify(() => section.item !== null)
            waitForRendering(page)
            tryVerify(() => !isPolishScheduled(section.item) && !isPolishScheduled(page.sections))
            return section.item
        }

        // Scrolls the settings list as a player would, so that `item` is inside the window.
        function scrollIntoView(item) {
            const flick = findChild(page, "settingsFlickable")
            const top = item.mapToItem(flick.contentItem, 0, 0).y
            if (top < flick.contentY || top + item.height > flick.contentY + flick.height)
                flick.contentY = Math.max(0, Math.min(top, flick.contentHeight - flick.height))
            waitForRendering(page)
        }

        function guardField(name) {
            const field = findChild(content, name)
            verify(field, name)
            return field
        }

        function message(field) {
            return findChild(field, "guardMessage")
        }

        function typeInto(field, text) {
            scrollIntoView(field)
            field.field.forceActiveFocus()
            field.field.selectAll()
            field.field.remove(0, field.field.length)
            field.field.insert(0, text)
            field.field.editingFinished()
        }

        function test_fieldsWriteThrough_data() {
            return [
                { tag: "losing streak", name: "losingStreakInput", key: "losingStreak", text: "6", stored: 6 },
                { tag: "staked coups", name: "stakedCoupsInput", key: "stakedCoups", text: "40", stored: 40 },
                { tag: "minutes", name: "sessionMinutesInput", key: "sessionMinutes", text: "90", stored: 90 },
                { tag: "largest stake", name: "maxStakeInput", key: "maxStake", text: "25", stored: 2500 },
                { tag: "PLAYER", name: "tableLimitPlayerInput", key: "tableLimitPlayer", text: "500", stored: 50000 },
                { tag: "BANKER", name: "tableLimitBankerInput", key: "tableLimitBanker", text: "250.50", stored: 25050 },
                { tag: "TIE", name: "tableLimitTieInput", key: "tableLimitTie", text: "80", stored: 8000 },
                // The field's range: clamped where it is typed, as every number the player types.
                { tag: "minutes over a day", name: "sessionMinutesInput", key: "sessionMinutes", text: "5000",
                  stored: 1440 }
            ]
        }
        function test_fieldsWriteThrough(data) {
            const field = guardField(data.name)
            compare(field.value, 0)
            typeInto(field, data.text)
            compare(financial[data.key], data.stored)
            verify(!message(field).visible)
            compare(financial.guardsError, "")
            typeInto(field, "0")
            compare(financial[data.key], 0)
        }

        function test_switchesWriteThrough_data() {
            return [{ tag: "loss", key: "lossLimitStops" }, { tag: "gain", key: "gainLimitStops" }]
        }
        function test_switchesWriteThrough(data) {
            const sw = findChild(content, data.key + "Switch")
            verify(sw)
            scrollIntoView(sw)
            verify(!sw.checked)
            mouseClick(sw)
            compare(financial[data.key], true)
            mouseClick(sw)
            compare(financial[data.key], false)
            verify(!sw.checked)
        }

        function test_trailingStopSwitchedOnAndOffTogether() {
            const trigger = guardField("trailingTriggerInput")
            const drop = guardField("trailingDropInput")
            // A trigger alone is refused; the message says to choose the drop, under the drop.
            typeInto(trigger, "50")
            compare(financial.trailingTrigger, 0)
            compare(trigger.field.text, "50.00")
            verify(!message(trigger).visible)
            verify(message(drop).visible)
            compare(message(drop).text, "Stop suiveur : choisissez le recul qui arrête.")
            // The drop completes the rule: both are taken.
            typeInto(drop, "20")
            compare(financial.trailingTrigger, 5000)
            compare(financial.trailingDrop, 2000)
            verify(!message(drop).visible)
            // A drop larger than its trigger is refused and the stored drop stays.
            typeInto(drop, "60")
            compare(financial.trailingDrop, 2000)
            compare(financial.guardsErrorField, UIFinancialConfig.TrailingDropField)
            verify(message(drop).visible)
            compare(message(drop).text, "Stop suiveur : le recul (60.00) ne peut dépasser le gain qui l'arme (50.00).")
            // Off: the trigger first (refused, the drop is still set), then the drop.
            typeInto(trigger, "0")
            compare(financial.trailingTrigger, 5000)
            verify(message(trigger).visible)
            verify(!message(drop).visible)
            typeInto(drop, "0")
            compare(financial.trailingTrigger, 0)
            compare(financial.trailingDrop, 0)
            verify(!message(trigger).visible && !message(drop).visible)
        }

        function test_largestStakeBelowTheChipIsRefused() {
            const field = guardField("maxStakeInput")
            const chip = Math.min(financial.csConfig.jeton, financial.pleinConfig.jeton)
            verify(chip > 1)
            const combo = findChild(content, "maxStakeRuleCombo")
            verify(!combo.enabled)
            typeInto(field, ((chip - 1) / 100).toFixed(2))
            compare(financial.maxStake, 0)
            verify(message(field).visible)
            compare(message(field).text, "Mise maximale : au moins le plus petit jeton (" + (chip / 100).toFixed(2) + ").")
            verify(!combo.enabled)
            typeInto(field, (chip / 100).toFixed(2))
            compare(financial.maxStake, chip)
            verify(!message(field).visible)
            // The rule above the largest stake, once there is one.
            verify(combo.enabled)
            compare(combo.currentText, "Plafonner")
            combo.currentIndex = 1
            combo.activated(1)
            compare(financial.maxStakeRule, UIFinancialConfig.RefuseStake)
            compare(combo.currentText, "Refuser")
            combo.currentIndex = 0
            combo.activated(0)
            compare(financial.maxStakeRule, UIFinancialConfig.CapStake)
        }

        // A refusal shows under its own field only, and a section opened again shows the stored
        // values without the refusal of its last visit.
        function test_refusalStaysWithItsFieldAndVisit() {
            const field = guardField("maxStakeInput")
            typeInto(field, "0.01")
            verify(financial.guardsError.length > 0)
            for (const other of ["losingStreakInput", "stakedCoupsInput", "sessionMinutesInput",
                                 "trailingTriggerInput", "trailingDropInput", "tableLimitPlayerInput",
                                 "tableLimitBankerInput", "tableLimitTieInput"])
                verify(!message(guardField(other)).visible, other)
            const header = findChild(page.section(0), "sectionHeader")
            scrollIntoView(header)
            mouseClick(header)
            compare(page.section(0).item, null)
            content = openFinancial()
            compare(financial.guardsError, "")
            compare(guardField("maxStakeInput").field.text, "0.00")
            verify(!message(guardField("maxStakeInput")).visible)
        }

        function test_tableLimitsAtTheBaccaratTable() {
            verify(financial.hasTableLimits)
            verify(findChild(content, "tableLimits").visible)
        }
    }
}
