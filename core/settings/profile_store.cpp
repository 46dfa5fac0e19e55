#include "core/settings/profile_store.h"

#include "core/settings/configuration.h"

#ifdef _WIN32
#include "core/settings/windows_profile.h"
#else
#include "core/settings/ini_file.h"
#endif

namespace kyz {
namespace {

ProfileStore* current_store = nullptr;

ProfileStore& default_store() {
#ifdef _WIN32
  static WindowsProfile store;
#else
  // Natively the tools keep the edition's ini file in the working folder.
  static IniFile store(configuration_file_name());
#endif
  return store;
}

}  // namespace

void set_profile_store(ProfileStore* store) { current_store = store; }

ProfileStore& profile_store() { return current_store ? *current_store : default_store(); }

}  // namespace kyz
