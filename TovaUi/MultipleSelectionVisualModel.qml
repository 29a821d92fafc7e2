import QtQuick 2.15
import QtQml.Models 2.15

// A delegate model with a "selected" group for multiple selection.
DelegateModel {
    id: visualModel
    readonly property alias selectedCount: selectedGroup.count
    groups: [ DelegateModelGroup { id: selectedGroup; name: "selected" } ]

    function select(index) {
        if (index >= 0 && index < items.count)
            items.addGroups(index, 1, ["selected"])
    }
    function deselect(index) {
        if (index >= 0 && index < items.count)
            items.removeGroups(index, 1, ["selected"])
    }
    function isSelected(index) {
        return index >= 0 && index < items.count && items.get(index).inSelected
    }
    function selectAll() {
        if (items.count > 0)
            items.addGroups(0, items.count, ["selected"])
    }
    function clearSelection() {
        if (selectedGroup.count > 0)
            selectedGroup.removeGroups(0, selectedGroup.count, ["selected"])
    }
    // The selected rows in list order, each as { index, model }.
    function selectedItems() {
        var list = []
        for (var i = 0; i < selectedGroup.count; ++i) {
            var entry = selectedGroup.get(i)
            list.push({ "index": entry.itemsIndex, "model": entry.model })
        }
        return list
    }
}
