#include "screens/practice/rensyu.h"
#include "app/program.h"
#include "screens/chart/form2.h"
#include "screens/main/form1.h"
#include "toolkit/twips.h"

Rensyu::Rensyu(Program& program) : Screen(program), program_(program) {}

toolkit::ScreenWindow* Rensyu::build() {
    return new toolkit::ScreenWindow(QStringLiteral("ローマ字練習"), {toolkit::px(7485), toolkit::px(4035)});
}

void Rensyu::Form_Load() {
    program_.form1().hide();
    program_.form2().show();
}

void Rensyu::leave() {
    close();
    program_.form1().show();
    program_.form2().hide();
    program_.form1().setChartMenuCaption(QStringLiteral("ローマ字表"));
}
