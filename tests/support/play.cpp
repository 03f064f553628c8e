#include "support/play.h"

bool pressLetters(Form1& form, const QString& letters) {
    const Form1Controls& c = form.controls();
    for (const QChar letter : letters) {
        std::int16_t found = -1;
        for (std::int16_t k = 0; k < 24 && found < 0; ++k)
            if (!c.Label1(k)->isHidden() && c.Label1(k)->text() == QString(letter)) found = k;
        if (found < 0) return false;
        form.Label1_MouseDown(found);
    }
    return true;
}

void answerRight(Form1& form) {
    pressLetters(form, form.answer);
    form.Command1_Click();
}

void placeCreature(Form1& form, std::int16_t i, double left, double top, bool visible) {
    form.moveCreatureTo(i, {static_cast<float>(left), static_cast<float>(top)});
    form.setCreatureShown(i, visible);
}
