#include "app/app_globals.h"

#include "settings/registry_key.h"

namespace tv {

SettingsHome& Settings() {
    static RegistrySettingsStore store;
    static SettingsHome home{AppSettings{}, &store};
    return home;
}

}  // namespace tv
