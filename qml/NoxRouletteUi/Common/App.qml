import QtQuick
import QtQuick.Controls
import NoxRouletteModel

// The page stack of the window. It only executes what UINavigator signals; every navigation
// rule lives in the navigator.
StackView {
    id: stack

    required property UIMainWindow applicationWindow
    property var popups: []
    property var connectedPages: []

    focus: true

    function pageById(pageId: string): Item {
        return stack.find(item => item.pageId === pageId)
    }

    function indexOf(page: Item): int {
        for (let i = 0; i < stack.depth; ++i)
            if (stack.get(i) === page)
                return i
        return -1
    }

    function operation(immediate: bool): int {
        return immediate ? StackView.Immediate : StackView.PushTransition
    }

    Component.onCompleted: {
        // The first page carries its identifier too, so that going back to it finds it.
        const page = UINavigator.currentPage
        stack.push(UINavigator.pageUrl(page), {pageId: page}, StackView.Immediate)
    }

    pushEnter: Transition {
        NumberAnimation { property: "y"; from: -stack.height; to: 0; duration: 400; easing.type: Easing.OutCubic }
    }
    pushExit: Transition {
        NumberAnimation { property: "y"; from: 0; to: stack.height; duration: 400; easing.type: Easing.OutCubic }
    }
    popEnter: Transition {
        NumberAnimation { property: "y"; from: stack.height; to: 0; duration: 400; easing.type: Easing.OutCubic }
    }
    popExit: Transition {
        NumberAnimation { property: "y"; from: 0; to: -stack.height; duration: 400; easing.type: Easing.OutCubic }
    }
    replaceEnter: pushEnter
    replaceExit: pushExit

    // Pages may ask the window to move, resize or minimise itself: an AppPage has the signals.
    function connectPage(page: Item) {
        if (!page || connectedPages.indexOf(page) >= 0)
            return
        connectedPages.push(page)
        const appPage = page as AppPage
        if (!appPage)
            return
        appPage.appMoveRequest.connect((dx, dy) => {
            stack.applicationWindow.x += dx
            stack.applicationWindow.y += dy
        })
        appPage.appResizeRequest.connect((w, h) => {
            stack.applicationWindow.width = w
            stack.applicationWindow.height = h
        })
        appPage.appMinimizeRequest.connect(() => stack.applicationWindow.showMinimized())
    }

    function fitWindowToPage() {
        const page = stack.currentItem
        connectPage(page)
        if (page && page.implicitHeight > 0)
            stack.applicationWindow.height = page.implicitHeight
    }

    onCurrentItemChanged: fitWindowToPage()

    Connections {
        target: stack.currentItem
        ignoreUnknownSignals: true
        function onImplicitHeightChanged() { stack.fitWindowToPage() }
    }

    Connections {
        target: UINavigator

        function onPushPageOnStackView(url, properties, immediate) {
            stack.push(url, properties, stack.operation(immediate))
        }
        function onReplacePageOnStackView(url, properties, immediate) {
            stack.replace(url, properties, stack.operation(immediate))
        }
        function onReplaceAllPagesOnStackView(url, properties, immediate) {
            stack.replace(null, url, properties, stack.operation(immediate))
        }
        function onReplaceAllPagesUpToPageOnStackView(pageToKeep, pageToAdd, properties, immediate) {
            const kept = stack.pageById(pageToKeep)
            if (!kept)
                return
            if (kept === stack.currentItem)
                stack.push(pageToAdd, properties, stack.operation(immediate))
            else
                stack.replace(stack.get(stack.indexOf(kept) + 1), pageToAdd, properties, stack.operation(immediate))
        }
        function onPopPageFromStackView(immediate) {
            stack.pop(immediate ? StackView.Immediate : StackView.PopTransition)
        }
        function onPopPageFromStackViewTo(pageId, properties, immediate) {
            const page = stack.pageById(pageId)
            if (!page)
                return
            stack.pop(page, immediate ? StackView.Immediate : StackView.PopTransition)
            for (const key in properties)
                page[key] = properties[key]
        }
        function onPushPopupOnStackView(url, properties) {
            // A popup without a route gives no component at all.
            const component = url.toString().length > 0 ? Qt.createComponent(url) : null
            if (!component || component.status !== Component.Ready) {
                console.warn("Error, while creating popup:", url, component ? component.errorString() : "no route")
                // Its entry would block back navigation for good: close it at once. The null
                // keeps the view's list in step with the navigator's stack.
                stack.popups.push(null)
                UINavigator.closePopup()
                return
            }
            const popup = component.createObject(stack.applicationWindow.contentItem, properties)
            if (!popup) {
                console.warn("Error, while creating popup:", url)
                stack.popups.push(null)
                UINavigator.closePopup()
                return
            }
            stack.popups.push(popup)
            popup.closed.connect(UINavigator.closePopup)
            popup.open()
        }
        function onPopPopupFromStackView() {
            if (stack.popups.length === 0)
                return
            const popup = stack.popups[stack.popups.length - 1]
            stack.popups.pop()
            if (!popup)
                return
            popup.closed.disconnect(UINavigator.closePopup)
            popup.close()
            popup.destroy()
        }
    }

    Connections {
        target: stack.applicationWindow
        function onClosing(close) {
            if (stack.depth > 1) {
                close.accepted = false
                UINavigator.goBack()
            }
        }
    }
}
