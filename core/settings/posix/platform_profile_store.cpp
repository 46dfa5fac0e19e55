#include "core/settings/configuration.h"
#include "core/settings/ini_file.h"
#include "core/settings/profile_store.h"

namespace kyz {

// The tools keep the edition's ini file in the working folder.
ProfileStore& platform_profile_store() {
  static IniFile store(configuration_file_name());
  return store;
}

}  // namespace kyz
