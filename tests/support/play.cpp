// SPDX-License-Identifier: MIT
#include "support/play.h"

bool pressLetters(MainScreen& form, const QString& letters) {
    const MainScreenControls& c = form.controls();
    for (const QChar letter : letters) {
        std::int16_t found = -1;
        // The long-vowel mark shows as a macron on its tile in the spelling that draws it so.
        const QString shown = letter == u'^' && romaji::drawsMacrons(form.state().spelling)
                                  ? QStringLiteral("¯")
                                  : QString(letter);
        for (std::int16_t k = 0; k < 24 && found < 0; ++k)
            if (!c.tiles(k)->isHidden() && c.tiles(k)->text() == shown.toStdString()) found = k;
        if (found < 0) return false;
        form.onTilePressed(found);
    }
    return true;
}

void answerRight(MainScreen& form) {
    pressLetters(form, QString::fromStdString(form.state().answer));
    form.onOkClicked();
}

void placeCreature(MainScreen& form, std::int16_t i, double left, double top, bool visible) {
    form.moveCreatureTo(i, {static_cast<float>(left), static_cast<float>(top)});
    form.setCreatureShown(i, visible);
}
