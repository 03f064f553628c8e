// SPDX-License-Identifier: MIT
#pragma once
// The offscreen platform warns each time a window is raised or sized; tests that open windows thousands of
// times drop those lines so the test's own output stays readable.
#include <QtGlobal>

// Installs a message handler that drops the platform's "does not support" warnings and passes on the rest.
void quietOffscreenWarnings();
