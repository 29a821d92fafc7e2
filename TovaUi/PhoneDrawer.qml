import QtQuick 2.15

// The phone layout's side drawer.
BaseDrawer {
    width: parent ? Math.min(parent.width * 0.8, 320) : 280
}
