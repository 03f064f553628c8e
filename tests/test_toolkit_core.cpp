// SPDX-License-Identifier: MIT
// The window toolkit without a front end: control arrays and their bounds, and the guard that turns an
// untrapped error into the error box.
#include "support/fakes.h"
#include "toolkit/controlarray.h"
#include "toolkit/controls.h"
#include "toolkit/runtimeerror.h"
#include "toolkit/window.h"
#include <gtest/gtest.h>

TEST(Toolkit, controlArrayBounds) {
    toolkit::Window window("array", 1500, 1500);
    toolkit::ControlArray<toolkit::Label> array("Label1");
    toolkit::Label* a = window.add<toolkit::Label>(nullptr);
    toolkit::Label* b = window.add<toolkit::Label>(nullptr);
    array.set(0, a);
    array.set(1, b);
    ASSERT_EQ(array(1), b);
    for (int bad : {-1, 2, 32767}) {
        try {
            array(bad);
            FAIL() << "an index beyond the array must fail";
        } catch (const toolkit::RuntimeError& e) {
            ASSERT_EQ(e.detail(), "Subscript out of range: Label1(" + std::to_string(bad) + ")");
        }
    }
}

TEST(Toolkit, guardReportsUntrappedErrors) {
    RecordingErrors errors;
    toolkit::Guard guard(errors);
    bool after = false;
    guard.run([] { throw toolkit::subscriptOutOfRange("Picture1", 12); });
    guard.run([] { throw std::runtime_error("plain failure"); });
    guard.run([&] { after = true; });
    ASSERT_EQ(errors.details,
              (std::vector<std::string>{"Subscript out of range: Picture1(12)", "plain failure"}));
    ASSERT_TRUE(after);
}
