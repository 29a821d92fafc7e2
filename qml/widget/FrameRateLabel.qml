import QtQuick 2.15
import com.velmora.fpslabel 1.0

// The frame-rate label of test builds.
FPSLabel {
    width: 40
    height: 15
}
