import QtQuick 2.15

// A page of the phone-style navigation: a navigation item, an optional tool
// bar and modal presentation of other controllers.
Rectangle {
    id: vc
    property var navigationItem: NavigationItem {}
    property string title: navigationItem.title
    property var navigationController: null
    property Item toolBar: null
    property bool prefersStatusBarHidden: false
    property int preferredStatusBarUpdateAnimation: 0
    property var presentedViewController: null
    signal viewWillAppear()
    signal viewDidAppear()
    signal viewWillDisappear()
    signal viewDidDisappear()
    signal pageChanged()

    color: Constant.viewControllerBackgroundColor

    function back() {
        if (navigationController)
            navigationController.pop()
    }
    // Shows another controller over this one (from below, as a cover).
    function presentViewController(source, options) {
        var c = (typeof source === "string" || source instanceof Object && source.createObject === undefined)
                ? Qt.createComponent(source) : source
        var page = c.createObject(vc, options || {})
        if (!page)
            return null
        page.z = 100
        page.width = Qt.binding(function() { return vc.width })
        page.height = Qt.binding(function() { return vc.height })
        page.y = vc.height
        presentedViewController = page
        page.viewWillAppear()
        page.y = 0
        page.viewDidAppear()
        return page
    }
    function present(source, options) { return presentViewController(source, options) }
    function dismissViewController() {
        if (!presentedViewController)
            return
        var page = presentedViewController
        presentedViewController = null
        page.viewWillDisappear()
        page.viewDidDisappear()
        page.destroy()
    }
}
