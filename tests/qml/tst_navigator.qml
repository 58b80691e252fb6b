import QtQuick
import QtQuick.Controls
import QtTest
import NoxRouletteModel
import NoxRouletteUi.Common

// The view executes the navigator's rules: one page per identifier, back to a page below,
// no back navigation while a popup is open, closing the window on a second page goes back.
Item {
    id: root
    width: 430
    height: 720

    Component {
        id: windowComponent
        UIMainWindow {
            id: win
            width: 430
            height: 720
            visible: true
            property alias app: app
            App {
                id: app
                anchors.fill: parent
                applicationWindow: win
            }
        }
    }

    TestCase {
        id: test
        name: "Navigator"
        when: windowShown

        property UIMainWindow win

        function init() {
            UINavigator.replaceAllPages("/home", {}, true)
            while (UINavigator.popupCount > 0)
                UINavigator.closePopup()
            win = createTemporaryObject(windowComponent, root)
            verify(win)
            tryCompare(win.app, "busy", false)
        }

        function currentPageId() {
            return win.app.currentItem ? win.app.currentItem.pageId : ""
        }

        function test_startsOnHome() {
            compare(win.app.depth, 1)
            compare(currentPageId(), "/home")
            compare(UINavigator.currentPage, "/home")
        }

        // A page asks the window to move and resize itself (AppPage's requests, connected by
        // App for each page it shows, the pushed ones included).
        function test_pagesMoveAndResizeTheWindow() {
            const x = win.x
            const y = win.y
            win.app.currentItem.appMoveRequest(5, 7)
            compare(win.x, x + 5)
            compare(win.y, y + 7)
            UINavigator.enterPage("/settings", {}, true)
            tryCompare(win.app, "busy", false)
            compare(currentPageId(), "/settings")
            win.app.currentItem.appResizeRequest(420, 700)
            compare(win.width, 420)
            compare(win.height, 700)
            win.app.currentItem.appMoveRequest(-5, -7)
            compare(win.x, x)
        }

        function test_enterTwicePushesOnce() {
            UINavigator.enterPage("/settings", {}, true)
            UINavigator.enterPage("/settings", {}, true)
            compare(win.app.depth, 2)
            compare(currentPageId(), "/settings")
            compare(win.app.currentItem.title, "Paramètres")
        }

        function test_enterPageBelowPopsBack() {
            UINavigator.enterPage("/settings", {}, true)
            UINavigator.enterPage("/settings/montantes/user", {}, true)
            compare(win.app.depth, 3)
            UINavigator.enterPage("/home", {}, true)
            compare(win.app.depth, 1)
            compare(currentPageId(), "/home")
        }

        function test_goBackOnLastPageDoesNothing() {
            UINavigator.goBack(true)
            compare(win.app.depth, 1)
            compare(UINavigator.currentPage, "/home")
        }

        function test_closingOnSecondPageGoesBack() {
            UINavigator.enterPage("/settings", {}, true)
            win.close()
            tryCompare(win.app, "depth", 1)
            verify(win.visible)
            compare(UINavigator.currentPage, "/home")
        }

        function test_replaceAllWithBottomPopsToIt() {
            UINavigator.enterPage("/settings", {}, true)
            UINavigator.enterPage("/settings/methods/blocks", {}, true)
            const home = win.app.get(0)
            UINavigator.replaceAllPages("/home", {}, true)
            compare(win.app.depth, 1)
            verify(win.app.currentItem === home) // the same page, not a new one
        }

        function test_replaceUpTo() {
            UINavigator.enterPage("/settings", {}, true)
            UINavigator.enterPage("/settings/methods/blocks", {}, true)
            UINavigator.replaceUpToPage("/settings", "/settings/methods/blocksdom", {}, true)
            tryCompare(win.app, "busy", false)
            compare(win.app.depth, 3)
            compare(currentPageId(), "/settings/methods/blocksdom")
            compare(win.app.get(1).pageId, "/settings")
        }

        function test_backToPageCopiesProperties() {
            UINavigator.enterPage("/settings", {}, true)
            UINavigator.enterPage("/settings/methods/blocks", {}, true)
            UINavigator.goBackToPage("/settings", {title: "Réglages"}, true)
            compare(win.app.depth, 2)
            compare(win.app.currentItem.title, "Réglages")
        }

        function test_unknownPageLeavesStack() {
            ignoreWarning(/Page not found/)
            UINavigator.enterPage("/nowhere", {}, true)
            compare(win.app.depth, 1)
            compare(UINavigator.currentPage, "/home")
        }

        function test_popupBlocksBackAndCloses() {
            UINavigator.enterPage("/settings", {}, true)
            UINavigator.openPopup("popup/error", {message: "Pas de jetons"})
            compare(UINavigator.popupCount, 1)
            compare(win.app.popups.length, 1)
            const popup = win.app.popups[0]
            tryCompare(popup, "opened", true)
            compare(popup.popupId, "popup/error")
            verify(popup.popupUuid.length > 0)
            compare(popup.message, "Pas de jetons")
            UINavigator.goBack(true)
            compare(win.app.depth, 2) // refused while the popup is open
            UINavigator.closePopup()
            compare(UINavigator.popupCount, 0)
            compare(win.app.popups.length, 0)
            UINavigator.goBack(true)
            compare(win.app.depth, 1)
        }

        function test_popupClosedByUserLeavesNavigator() {
            UINavigator.openPopup("popup/error", {message: "x"})
            UINavigator.openPopup("popup/error", {message: "y"})
            const first = win.app.popups[0]
            const second = win.app.popups[1]
            verify(first.popupUuid !== second.popupUuid)
            second.close() // Escape or a button: the navigator follows
            tryCompare(UINavigator, "popupCount", 1)
            compare(win.app.popups.length, 1)
            verify(win.app.popups[0] === first)
            first.close()
            tryCompare(UINavigator, "popupCount", 0)
        }

        function test_brokenPopupIsNotShown() {
            ignoreWarning(/Error, while creating popup:/)
            UINavigator.openPopup("popup/none", {})
            compare(win.app.popups.length, 0)
            compare(UINavigator.popupCount, 0) // closed at once: back navigation stays possible
            UINavigator.enterPage("/settings", {}, true)
            UINavigator.goBack(true)
            compare(win.app.depth, 1)
        }
    }
}
