import QtQuick 2.15

// Placeholder of the typewriter backdrop until the editor's version lands.
Item {
    property color color: "black"
}
