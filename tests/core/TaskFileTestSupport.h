// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SheetText.h"

#include <gtest/gtest.h>

namespace zifferon::test {

// Compares two snapshots line by line, so that a failure lists only the
// controls that differ.
inline void expectSameSheet(const std::vector<std::string>& expected,
                            const std::vector<std::string>& actual) {
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i], actual[i]);
    }
}

} // namespace zifferon::test
