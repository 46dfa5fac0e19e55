// The platform's private-profile functions, for the Windows programs. The file is named
// without a folder, so Windows keeps it in the Windows directory.
#pragma once

#include "core/settings/profile_store.h"

namespace kyz {

class WindowsProfile final : public ProfileStore {
 public:
  std::string read(std::string_view section, std::string_view key, std::string_view fallback,
                   std::size_t max_chars) override;
  bool write(std::string_view section, std::string_view key, std::string_view value) override;
  // The Windows directory's file, e.g. C:\Windows\kyz424lx.ini: the path the program
  // asks for. (For a standard user Windows may keep it in the VirtualStore instead.)
  std::string location() const override;
};

}  // namespace kyz
