import QtQuick
import QtQuick.Controls
import QtTest
import NoxRouletteModel
import NoxRouletteUi.Common

// "Détails de méthode": one line per row of the facade's details, in their order; a named value
// shows its name and value, a row of a table (as the observed values of "Signature") its cells
// side by side with their column names.
Item {
    id: root
    width: 430
    height: 720

    Component {
        id: dialogComponent
        MethodDetailsDialog {}
    }

    TestCase {
        id: test
        name: "DetailsDialog"
        when: windowShown

        function init() {
            testHelper.restartEngine()
        }

        function open(properties) {
            const dialog = createTemporaryObject(dialogComponent, root, properties)
            verify(dialog)
            dialog.open()
            tryCompare(dialog, "opened", true)
            waitForRendering(dialog.contentItem)
            const list = findChild(dialog, "detailRows")
            verify(list)
            return list
        }

        // The texts of the labels of one line, left to right.
        function texts(item) {
            let out = []
            for (let i = 0; i < item.children.length; ++i) {
                const child = item.children[i]
                if (typeof child.text === "string")
                    out.push(child.text)
                else
                    out = out.concat(texts(child))
            }
            return out
        }

        function test_theStateFiguresOfAMethod() {
            for (const v of [1, 1, 2, 1, 2])
                UIWrapper.play(v)
            const id = UIWrapper.getMethodId("BANKER")
            verify(id >= 0)
            const list = open({methodId: id, methodName: "BANKER"})
            const rows = UIWrapper.getMethodDetails(id).rows
            compare(rows.length, 6)
            tryCompare(list, "count", rows.length)
            compare(texts(list.itemAtIndex(0)), ["active", "non"])
            compare(texts(list.itemAtIndex(5)), ["nbWins", "2"])
        }

        function test_everyRowOfATableInOrder() {
            const rows = [[{name: "Count", value: 2}], [{name: "ETPorteeCW", value: 1.5}]]
            for (const n of [2, 4])
                rows.push([{name: "Num", value: n}, {name: "Col", value: "black"}, {name: "IsCW", value: true},
                           {name: "Val", value: n + 4}])
            const list = open({methodName: "Signature", details: {rows: rows}})
            tryCompare(list, "count", 4)
            compare(texts(list.itemAtIndex(0)), ["Count", "2"])
            compare(texts(list.itemAtIndex(1)), ["ETPorteeCW", "1.50"])
            compare(texts(list.itemAtIndex(2)), ["Num", "2", "Col", "black", "IsCW", "oui", "Val", "6"])
            compare(texts(list.itemAtIndex(3)), ["Num", "4", "Col", "black", "IsCW", "oui", "Val", "8"])
        }
    }
}
