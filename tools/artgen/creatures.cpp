// SPDX-License-Identifier: MIT
// The twelve zodiac animals that run round the chase field, each fitted to its picture box.

#include "canvas.h"
#include "emoji.h"
#include "pictures.h"

#include <array>

namespace artgen {

namespace {

struct Creature {
    const char* emoji;
    QSize size;
};

// Faces where a whole body would shrink past recognition in its box, whole bodies where the
// box suits their shape. The ram stands in for the sheep: its horns and brown face show on a white
// window, where the white sheep fades.
const std::array<Creature, 12> creatures = {{
    {"🐭", {24, 25}}, // rat
    {"🐂", {26, 26}}, // ox
    {"🐯", {28, 23}}, // tiger
    {"🐰", {24, 31}}, // rabbit
    {"🐉", {25, 32}}, // dragon
    {"🐍", {35, 25}}, // snake
    {"🐴", {20, 30}}, // horse
    {"🐏", {36, 24}}, // sheep
    {"🐵", {32, 24}}, // monkey
    {"🐓", {32, 29}}, // rooster
    {"🐶", {26, 26}}, // dog
    {"🐗", {29, 24}}, // boar
}};

} // namespace

void drawCreatures(Output& out) {
    for (std::size_t i = 0; i < creatures.size(); ++i) {
        const Creature& c = creatures[i];
        const QImage picture = onWhite(fitted(emojiGlyph(QString::fromUtf8(c.emoji)), c.size * out.scale()));
        out.saveGif(picture, QString("creatures/creature%1.gif").arg(i, 2, 10, QChar('0')));
    }
}

} // namespace artgen
