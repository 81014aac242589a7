#pragma once

#ifndef _WIN32
#include <grp.h>
#include <sys/types.h>
#include <unistd.h>

namespace vbe::testing {

// The user root's tests give way to, where root may do what a user may not: nobody, in nogroup.
inline constexpr uid_t kOtherUser = 65534;
inline constexpr gid_t kOtherGroup = 65534;

// Run in a child process: a root process becomes the other user, keeping none of root's groups;
// any other process stays who it is. False when root could not be given up.
inline bool BecomeOtherUser() {
  if (geteuid() != 0) return true;
  return setgroups(0, nullptr) == 0 && setgid(kOtherGroup) == 0 && setuid(kOtherUser) == 0;
}

}  // namespace vbe::testing
#endif
