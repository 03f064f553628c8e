#include "screens/chart/form2.h"
#include "app/program.h"
#include "toolkit/twips.h"

toolkit::ScreenWindow* Form2::build() {
    return new toolkit::ScreenWindow(QStringLiteral("ローマ字表"), {toolkit::px(5850), toolkit::px(8760)});
}

Form2::Form2(Program& program) : Screen(program) {}
