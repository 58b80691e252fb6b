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

    // Pages may ask the window to move, resize or minimise itself.
    function connectPage(page: Item) {
        if (!page || connectedPages.indexOf(page) >= 0)
            return
        connectedPages.push(page)
        if (page.appMoveRequest)
            page.appMoveRequest.connect((dx, dy) => {
                stack.applicationWindow.x += dx
                stack.applicationWindow.y += dy
            })
        if (page.appResizeRequest)
            page.appResizeRequest.connect((w, h) => {
                stack.applicationWindow.width = w
                stack.applicationWindow.height = h
            })
        if (page.appMinimizeRequest)
            page.appMinimizeRequest.connect(() => stack.applicationWindow.showMinimized())
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
            const component = Qt.createComponent(url)
            if (component.status === Component.Error) {
                console.warn("Error, while creating popup:", component.errorString())
                return
            }
            const popup = component.createObject(stack.applicationWindow.contentItem, properties)
            if (!popup) {
                console.warn("Error, while creating popup:", url)
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
