// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reading the start of a file as the load command and the class overview do:
// the path (bytes, any encoding) is opened without blocking and read only
// when the open file is a regular one (a pipe or a device could block),
// nothing is created, and every refusal says why in the same words.

#include "taskfile/TaskFileCommands.h"

#include <cstddef>
#include <string>

namespace zifferon {

// The file from its start until `limit` bytes or its end.
ReadResult readFileStart(const std::string& path, std::size_t limit);

} // namespace zifferon
