// SPDX-License-Identifier: MIT
#include "support/play.h"

bool pressLetters(MainScreen& form, const std::string& letters) {
    const MainScreenControls& c = form.controls();
    for (const char letter : letters) {
        std::int16_t found = -1;
        // The long-vowel mark shows as a macron on its tile in the spelling that draws it so.
        const std::string shown =
            letter == '^' && romaji::drawsMacrons(form.state().spelling) ? "¯" : std::string(1, letter);
        for (std::int16_t k = 0; k < 24 && found < 0; ++k)
            if (!c.tiles(k)->isHidden() && c.tiles(k)->text() == shown) found = k;
        if (found < 0) return false;
        form.onTilePressed(found);
    }
    return true;
}

void answerRight(MainScreen& form) {
    pressLetters(form, form.state().answer);
    form.onOkClicked();
}

void placeCreature(MainScreen& form, std::int16_t i, double left, double top, bool visible) {
    form.moveCreatureTo(i, {static_cast<float>(left), static_cast<float>(top)});
    form.setCreatureShown(i, visible);
}

Place where(const MainScreen& form, int i) {
    const toolkit::PictureBox* p = form.controls().creatures(static_cast<std::int16_t>(i));
    return {p->left(), p->top()};
}
