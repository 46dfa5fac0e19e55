// Where the link configuration lives: a private-profile (ini) file.
//
// On Windows the programs go through the platform's profile functions, so the file sits
// in the Windows directory. Natively an IniFile of the same format stands in, for the
// Linux tools and the tests.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kyz {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;
  // The key's text, at most max_chars characters; `fallback` when file, section or
  // key is absent.
  virtual std::string read(std::string_view section, std::string_view key,
                           std::string_view fallback, std::size_t max_chars) = 0;
  // False when the file could not be written; the caller reports it.
  virtual bool write(std::string_view section, std::string_view key,
                     std::string_view value) = 0;
  // Where the file is, as the operator would look for it.
  virtual std::string location() const = 0;
};

// The store that load_configuration and the key writes use.
void set_profile_store(ProfileStore* store);
ProfileStore& profile_store();

// The platform's own store, used while no other is set: the profile functions on
// Windows (win32/windows_profile.cpp), an ini file in the working folder elsewhere
// (posix/platform_profile_store.cpp).
ProfileStore& platform_profile_store();

}  // namespace kyz
