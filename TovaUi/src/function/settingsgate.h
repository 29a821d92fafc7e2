#ifndef SETTINGSGATE_H
#define SETTINGSGATE_H

#include <functional>

// Every change of the settings passes here before its QSettings object is
// made. QSettings waits without limit for the settings file's lock at a
// write, so the program passes in a check that waits a few seconds at most
// and otherwise has the rest of the run write elsewhere.
class SettingsGate
{
public:
    static void setCheck(std::function<void()> check);
    static void beforeWrite();
};

#endif
