// SPDX-License-Identifier: MIT
#include "toolkit/look.h"
#include "toolkit/window.h"

namespace toolkit {

double contrastFor(const Font& font) {
    const bool large = font.points >= 18 || (font.bold && font.points >= 14);
    return large ? largeTextContrast : textContrast;
}

Colour behind(const Control& control) {
    if (const auto* label = dynamic_cast<const Label*>(control.parent())) return label->backColor();
    if (const auto* box = dynamic_cast<const PictureBox*>(control.parent())) return box->backColor();
    return control.window().backColor();
}

LabelColours drawnColours(const Label& label, const Look& look) {
    if (!look.clearColours) return {label.foreColor(), label.backColor(), std::nullopt};
    LabelColours drawn{readableOn(label.foreColor(), label.backColor(), contrastFor(label.font())),
                       label.backColor(), std::nullopt};
    const bool pressable = label.mouseDown.isConnected() || label.clicked.isConnected();
    const Colour around = behind(label);
    if (pressable && contrastRatio(label.backColor(), around) < markContrast)
        drawn.edge = readableOn(label.backColor(), around, markContrast);
    return drawn;
}

std::optional<Colour> drawnCaption(const Button& button, const Look& look) {
    if (!look.clearColours) return std::nullopt;
    return readableOn(buttonCaption, button.backColor(), contrastFor(button.font()));
}

Colour drawnEdge(const Button& button, const Look& look) {
    return look.clearColours ? readableOn(buttonEdge, behind(button), markContrast) : buttonEdge;
}

Colour drawnEdge(const PictureBox& box, const Look& look) {
    return look.clearColours ? readableOn(pictureEdge, box.backColor(), markContrast) : pictureEdge;
}

Colour drawnColour(const Line& line, const Look& look) {
    return look.clearColours ? readableOn(line.colour(), behind(line), markContrast) : line.colour();
}

} // namespace toolkit
