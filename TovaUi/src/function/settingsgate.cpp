#include "settingsgate.h"

namespace {
std::function<std::shared_ptr<void>()>& gateCheck()
{
    static std::function<std::shared_ptr<void>()> check;
    return check;
}
} // namespace

void SettingsGate::setCheck(std::function<std::shared_ptr<void>()> check) { gateCheck() = std::move(check); }

SettingsGate::SettingsGate()
    : m_held(gateCheck() ? gateCheck()() : nullptr)
{
}
