#include "settingsgate.h"

namespace {
std::function<void()>& gateCheck()
{
    static std::function<void()> check;
    return check;
}
} // namespace

void SettingsGate::setCheck(std::function<void()> check) { gateCheck() = std::move(check); }

void SettingsGate::beforeWrite()
{
    if (gateCheck())
        gateCheck()();
}
