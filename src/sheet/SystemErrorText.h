// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the operating system's error numbers mean, in German: the C library
// speaks the user's locale only when one is installed, and a teacher's
// message should not switch to English half-way.

#include <string>
#include <system_error>

namespace zifferon {

// The German text of an errno value, without a full stop ("Zugriff
// verweigert"); an unknown number is named ("Systemfehler 1234").
std::string systemErrorText(int errnoValue);

// The same for an error code of the system or generic category; another
// category's own message.
std::string systemErrorText(const std::error_code& error);

} // namespace zifferon
