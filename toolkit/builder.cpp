// SPDX-License-Identifier: MIT
#include "toolkit/builder.h"
#include "toolkit/twips.h"
#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <cmath>

namespace toolkit {

QFont makeFont(const FontDef& def) {
    QFont font(def.family.isEmpty() ? defaultFont().family : def.family);
    font.setPixelSize(static_cast<int>(std::lround(def.points * 96.0 / 72.0)));
    font.setBold(def.bold);
    return font;
}

const FontDef& defaultFont() {
    static const FontDef font{QStringLiteral("ＭＳ Ｐゴシック"), 9, false};
    return font;
}

Picture loadPicture(const QString& resource) {
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0) {
        const qsizetype dot = resource.lastIndexOf(QLatin1Char('.'));
        const QString large = resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot);
        if (QFile::exists(large)) {
            Picture picture(large);
            if (!picture.isNull()) {
                picture.setDevicePixelRatio(2);
                return picture;
            }
        }
    }
    return Picture(resource);
}

static void place(QWidget* widget, const Rect& at) {
    widget->setGeometry(rectFromTwips(at.left, at.top, at.width, at.height));
}

void nameControls(std::initializer_list<DefinedName> names) {
    for (const DefinedName& n : names)
        n.control->setObjectName(QString::fromLatin1(n.name));
}

Label* makeLabel(QWidget* parent, const LabelDef& def) {
    auto* label = new Label(parent);
    place(label, def.at);
    label->setText(def.caption);
    label->setForeColor(def.fore);
    label->setBackColor(def.back);
    label->setFont(makeFont(def.font));
    label->setAlignment(def.align | Qt::AlignTop);
    label->setBorder(def.border);
    label->setVisible(def.visible);
    return label;
}

Button* makeButton(QWidget* parent, const ButtonDef& def) {
    auto* button = new Button(parent);
    place(button, def.at);
    button->setText(def.caption);
    button->setBackColor(def.back);
    button->setFont(makeFont(def.font));
    button->setVisible(def.visible);
    return button;
}

PictureBox* makePicture(QWidget* parent, const PictureDef& def) {
    auto* box = new PictureBox(parent);
    place(box, def.at);
    box->setPosition(def.at.left, def.at.top);
    box->setBackColor(def.back);
    box->setAutoSize(def.autoSize);
    box->setBorder(def.border);
    if (!def.picture.isEmpty()) box->setPicture(loadPicture(def.picture));
    if (!def.toolTip.isEmpty()) {
        box->setToolTip(def.toolTip);
        box->setAccessibleName(def.toolTip);
    }
    box->setVisible(def.visible);
    return box;
}

QCursor cursorFrom(const QString& resource, QPoint hotSpot) {
    const QPixmap pixmap = loadPicture(resource);
    if (pixmap.isNull()) return QCursor(Qt::PointingHandCursor);
    return QCursor(pixmap, hotSpot.x(), hotSpot.y());
}

} // namespace toolkit
