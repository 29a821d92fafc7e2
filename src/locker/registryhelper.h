#ifndef REGISTRYHELPER_H
#define REGISTRYHELPER_H

#include <QString>

// Start-on-boot and task-manager control for the writing lock. Desktop Linux
// offers neither, so every operation does nothing here.
class RegistryHelper
{
public:
    static void RegisterStartOnBoot(const QString& name, const QString& path);
    static void UnregisterStartOnBoot(const QString& name);
    static void SetTaskMgrEnable(bool enable);
    static void SetTaskMgrDisable();
};

#endif
