import QtQuick 2.15

// A popup with an arrow; show() and hide().
TPopup {
}
