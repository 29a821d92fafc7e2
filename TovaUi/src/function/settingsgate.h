#ifndef SETTINGSGATE_H
#define SETTINGSGATE_H

#include <functional>
#include <memory>

// Made before a QSettings object that changes a key, in the same scope, so
// that it outlives that object's write. The program passes in a check that
// waits a few seconds at most for the settings file's lock and returns it
// held (or nothing, when the rest of the run writes elsewhere); the gate
// keeps it until it goes.
class SettingsGate
{
public:
    static void setCheck(std::function<std::shared_ptr<void>()> check);
    SettingsGate();

private:
    std::shared_ptr<void> m_held;
};

#endif
