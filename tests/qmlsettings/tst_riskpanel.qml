import QtQuick
import QtQuick.Controls
import QtTest
import NoxRouletteModel
import NoxRouletteUi.Common

// The risk of the current progression in the financial settings: its steps and the limits
// they pass, an estimate that runs beside the window with its progress, its figures, a cancel,
// and the reason when nothing can be estimated.
Item {
    id: root
    width: 430
    height: 1400

    Component { id: panelComponent; RiskPanel { width: 400; kind: "cs" } }

    TestCase {
        name: "RiskPanel"
        when: windowShown

        property int banker: -1

        function init() {
            banker = UIWrapper.getMethodId("BANKER")
            verify(banker >= 0)
            UIWrapper.setCurrentMontante("cs", "Martingale classique")
        }

        function cleanup() {
            UIWrapper.risk.cancel()
            tryVerify(() => !UIWrapper.risk.running, 60000)
            UIWrapper.setMethodActive(banker, false)
            UIWrapper.financial.stopLoss = -10000
        }

        function test_stepsAndTheirLimits() {
            const panel = createTemporaryObject(panelComponent, root)
            verify(panel)
            compare(findChild(panel, "riskMontante").text.indexOf("Martingale classique"), 0)
            const steps = UIWrapper.risk.steps
            verify(steps.length > 3)
            compare(steps[1].stake, 2 * steps[0].stake)
            compare(steps[2].lost, 7 * steps[0].stake)
            // A loss limit of two base chips: the second loss (three lost) passes it, and it is
            // said; exactly at the limit would still be within it.
            UIWrapper.financial.stopLoss = -2 * steps[0].stake
            tryVerify(() => UIWrapper.risk.steps[1].overLossLimit)
            verify(!UIWrapper.risk.steps[0].overLossLimit)
            const warnings = UIWrapper.risk.stepWarnings
            verify(warnings.some(w => w.indexOf("Après 2 pertes de suite") === 0), warnings.join(" | "))
            tryVerify(() => findChild(panel, "riskWarning") !== null && findChild(panel, "riskWarning").visible)
        }

        function test_noActiveMethodIsExplained() {
            const panel = createTemporaryObject(panelComponent, root)
            mouseClick(findChild(panel, "riskStart"))
            const error = findChild(panel, "riskError")
            tryVerify(() => error.visible)
            verify(error.text.indexOf("Aucune méthode active") === 0, error.text)
            verify(!UIWrapper.risk.running)
        }

        function test_estimateRunsBesideTheWindow() {
            const panel = createTemporaryObject(panelComponent, root)
            UIWrapper.setMethodActive(banker, true)
            UIWrapper.risk.sessions = 400
            const start = findChild(panel, "riskStart")
            verify(start.text.indexOf("400 sessions") > 0, start.text)
            mouseClick(start)
            // start() returned at once: the estimate runs and its progress shows.
            verify(UIWrapper.risk.running)
            verify(findChild(panel, "riskProgress").visible)
            verify(!start.visible)
            tryVerify(() => !UIWrapper.risk.running, 120000)
            compare(UIWrapper.risk.error, "")
            const o = UIWrapper.risk.outcome
            compare(o.sessions, 400)
            verify(!o.canceled)
            verify(o.lossLow <= o.loss && o.loss <= o.lossHigh)
            fuzzyCompare(o.loss + o.gain + o.other + o.unfinished, 1, 1e-9)
            verify(findChild(panel, "riskOutcome").visible)
            const line = findChild(panel, "riskLossChance").text
            verify(line.indexOf("Limite de perte avant la limite de gain") === 0 && line.indexOf("%") > 0, line)
            compare(findChild(panel, "riskProgress").value, 1)
        }

        function test_cancelEndsItWithWhatWasPlayed() {
            const panel = createTemporaryObject(panelComponent, root)
            UIWrapper.setMethodActive(banker, true)
            UIWrapper.risk.sessions = 100000
            mouseClick(findChild(panel, "riskStart"))
            tryVerify(() => UIWrapper.risk.progress > 0, 60000)
            mouseClick(findChild(panel, "riskCancel"))
            tryVerify(() => !UIWrapper.risk.running, 60000)
            const o = UIWrapper.risk.outcome
            verify(o.canceled)
            verify(o.sessions > 0 && o.sessions < 100000)
            UIWrapper.risk.sessions = 10000
        }
    }
}
