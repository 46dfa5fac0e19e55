#include "core/settings/profile_store.h"

namespace kyz {
namespace {

ProfileStore* current_store = nullptr;

}  // namespace

void set_profile_store(ProfileStore* store) { current_store = store; }

ProfileStore& profile_store() { return current_store ? *current_store : platform_profile_store(); }

}  // namespace kyz
