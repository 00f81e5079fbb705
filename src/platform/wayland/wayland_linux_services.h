#pragma once
// The Linux services the show shares with the X program: the settings file and the instance
// lock. Until they move out of the Qt backend, the Qt backend's own serve under the names they
// will have.

#include "platform/qt/qt_ini_store.h"
#include "platform/qt/qt_instance_lock.h"

namespace corvanta::linux_services {
using IniStore = qt::IniStore;
using InstanceLock = qt::InstanceLock;
}  // namespace corvanta::linux_services
