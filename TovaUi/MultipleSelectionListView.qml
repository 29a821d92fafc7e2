import QtQuick 2.15

// A list view with a selection mode: startSelection(), then select or
// deselect rows, and endSelection() hands the selected rows over.
ListView {
    id: view
    property alias sourceModel: visualModel.model
    property alias itemDelegate: visualModel.delegate
    property bool selecting: false
    readonly property alias selectedCount: visualModel.selectedCount
    readonly property alias visualModel: visualModel
    signal selectionDone(var items)
    signal selectionCanceled()

    clip: true
    model: visualModel

    function startSelection() {
        visualModel.clearSelection()
        selecting = true
    }
    function selectItem(index) { if (selecting) visualModel.select(index) }
    function deselectItem(index) { visualModel.deselect(index) }
    function toggleItem(index) {
        if (visualModel.isSelected(index))
            deselectItem(index)
        else
            selectItem(index)
    }
    function selectAll() { if (selecting) visualModel.selectAll() }
    function endSelection() {
        if (!selecting)
            return
        var items = visualModel.selectedItems()
        selecting = false
        selectionDone(items)
        visualModel.clearSelection()
    }
    function cancelSelection() {
        visualModel.clearSelection()
        selecting = false
        selectionCanceled()
    }

    MultipleSelectionVisualModel {
        id: visualModel
    }
}
