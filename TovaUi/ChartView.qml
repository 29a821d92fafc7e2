import QtQuick 2.15 as QQ

// A horizontally scrolling row of charts.
QQ.Flickable {
    id: view
    default property alias charts: row.data
    property alias spacing: row.spacing
    implicitHeight: row.implicitHeight
    implicitWidth: row.implicitWidth
    contentWidth: row.implicitWidth
    contentHeight: row.implicitHeight
    flickableDirection: QQ.Flickable.HorizontalFlick
    clip: true
    QQ.Row {
        id: row
        spacing: 20
    }
}
