#include "registryhelper.h"

void RegistryHelper::RegisterStartOnBoot(const QString& name, const QString& path)
{
    Q_UNUSED(name)
    Q_UNUSED(path)
}

void RegistryHelper::UnregisterStartOnBoot(const QString& name) { Q_UNUSED(name) }

void RegistryHelper::SetTaskMgrEnable(bool enable) { Q_UNUSED(enable) }

void RegistryHelper::SetTaskMgrDisable() { SetTaskMgrEnable(false); }
