import QtQuick 2.15
import QtTest 1.15

// The utility and settings objects as QML pages reach them.
TestCase {
    name: "ContextObjects"

    function test_functions() {
        compare(functions.md5("abc"), "900150983cd24fb0d6963f7d28e17f72")
        compare(functions.getNameFromUrl("file:///books/Novel/index.txt"), "Novel")
        compare(functions.getBaseNameFromUrl("qrc:/source/Readme.md"), "Readme")
        compare(functions.formatSecond(3725), "1:2:5")
        verify(functions.isPc())
        verify(functions.isFileExist("qrc:/anything"))
    }

    function test_settings() {
        csettings.TitleColor = "blue"
        compare(csettings.TitleColor, "blue")
        csettings.isTypewriter = !csettings.isTypewriter
        csettings.isTypewriter = !csettings.isTypewriter
        compare(csettings.langKey.length > 0, true)
        verify(csettings.sensitiveWords.length > 0)
    }
}
