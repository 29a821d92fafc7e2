#ifndef BUTTONKEYS_H
#define BUTTONKEYS_H

#include <QObject>

// Enter on a button presses it, as Space does: Qt Quick's buttons take
// only Space, and the Enter meant for them would otherwise reach the sheet
// or the page around them. Installed on the application by the component
// library; check boxes and menu entries keep their own keys.
class ButtonKeys : public QObject
{
    Q_OBJECT
public:
    explicit ButtonKeys(QObject* parent = nullptr);
    bool eventFilter(QObject* watched, QEvent* event) override;
};

#endif
