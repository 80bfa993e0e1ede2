// The one door through which the in-process tests reach inside a window (its
// state, its hooks for the shell and message boxes); classes name it as a
// friend. The product never goes through it.
#pragma once

namespace test {
struct Access;
}  // namespace test
