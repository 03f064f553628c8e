// SPDX-License-Identifier: MIT
// The window toolkit without a front end: control arrays and their bounds, the guard that turns an
// untrapped error into the error box, and the colours of the clear look.
#include "support/fakes.h"
#include "toolkit/colour.h"
#include "toolkit/controlarray.h"
#include "toolkit/controls.h"
#include "toolkit/runtimeerror.h"
#include "toolkit/window.h"
#include <cmath>
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

// A colour made readable reaches its ratio, keeps its hue (the angle of its red, green and blue round the
// grey axis) and stays as it is when it reads already.
TEST(Toolkit, readableColoursKeepTheirHue) {
    using toolkit::Colour;
    const auto hue = [](Colour c) { return std::atan2(std::sqrt(3.0) * (c.g - c.b), 2.0 * c.r - c.g - c.b); };
    const struct {
        Colour fore, back;
        double ratio, before;
    } rows[] = {
        {{192, 192, 0}, {255, 255, 255}, 4.5, 1.94}, {{128, 255, 128}, {255, 255, 255}, 3, 1.27},
        {{255, 0, 0}, {255, 255, 255}, 4.5, 4.00},   {{192, 192, 0}, {255, 0, 0}, 4.5, 2.05},
        {{0, 0, 128}, {0, 0, 0}, 4.5, 1.31},         {{0, 0, 255}, {255, 255, 255}, 4.5, 8.59},
    };
    for (const auto& r : rows) {
        EXPECT_NEAR(toolkit::contrastRatio(r.fore, r.back), r.before, 0.01);
        const Colour made = toolkit::readableOn(r.fore, r.back, r.ratio);
        EXPECT_GE(toolkit::contrastRatio(made, r.back), r.ratio);
        EXPECT_NEAR(hue(made), hue(r.fore), 0.03);
        EXPECT_TRUE(r.before < r.ratio || made == r.fore);
    }
}
