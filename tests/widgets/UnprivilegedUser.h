// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Root passes every permission check, so the permission tests run their file
// operations with the file-system identity of "nobody" while root; as any
// other user the permission bits already apply.

#include <sys/fsuid.h>
#include <sys/types.h>
#include <unistd.h>

namespace zifferon::test {

inline constexpr uid_t kNobody = 65534;

class AsUnprivilegedUser {
  public:
    AsUnprivilegedUser() {
        if (geteuid() != 0) {
            active_ = true;
            return;
        }
        setfsgid(kNobody);
        setfsuid(kNobody);
        switched_ = true;
        active_ = static_cast<uid_t>(setfsuid(static_cast<uid_t>(-1))) == kNobody;
    }
    ~AsUnprivilegedUser() {
        if (switched_) {
            setfsuid(0);
            setfsgid(0);
        }
    }
    AsUnprivilegedUser(const AsUnprivilegedUser&) = delete;
    AsUnprivilegedUser& operator=(const AsUnprivilegedUser&) = delete;

    // False when the switch did not take (the test should skip, saying so).
    bool active() const { return active_; }

  private:
    bool active_ = false;
    bool switched_ = false;
};

} // namespace zifferon::test
