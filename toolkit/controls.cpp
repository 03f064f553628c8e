// SPDX-License-Identifier: MIT
#include "toolkit/controls.h"
#include "toolkit/twips.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace toolkit {

Label::Label(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
    applyStyle();
}

void Label::setBackColor(const QColor& colour) {
    back_ = colour;
    applyStyle();
}

void Label::setForeColor(const QColor& colour) {
    fore_ = colour;
    applyStyle();
}

void Label::setBorder(bool single) {
    border_ = single;
    setFrameStyle(single ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(1);
}

void Label::applyStyle() {
    QPalette p = palette();
    p.setColor(QPalette::Window, back_);
    p.setColor(QPalette::WindowText, fore_);
    setPalette(p);
}

void Label::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button());
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    event->accept();
}

const FittedText& Label::textFit() const {
    const QRect box = contentsRect();
    if (!fitted_ || fitText_ != text() || fitFont_ != font() || fitBox_ != box || fitAlign_ != alignment()) {
        fit_ = FittedText(text(), font(), box, alignment(), wordWrap(), mayRunBelow_);
        fitText_ = text();
        fitFont_ = font();
        fitBox_ = box;
        fitAlign_ = alignment();
        fitted_ = true;
    }
    return fit_;
}

void Label::setTextMayRunBelow(bool on) {
    mayRunBelow_ = on;
    fitted_ = false;
    update();
}

void Label::paintEvent(QPaintEvent*) {
    // The background is filled by the widget itself; the frame and the caption are drawn here.
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(palette().color(QPalette::WindowText));
    textFit().draw(painter);
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const Picture& picture) {
    picture_ = picture;
    if (autoSize_ && !picture_.isNull()) resize(picture_.deviceIndependentSize().toSize());
    update();
}

void PictureBox::setBackColor(const QColor& colour) {
    back_ = colour;
    update();
}

void PictureBox::setLeft(double twips) {
    left_ = static_cast<float>(twips);
    place();
}

void PictureBox::setTop(double twips) {
    top_ = static_cast<float>(twips);
    place();
}

void PictureBox::setPosition(double leftTwips, double topTwips) {
    left_ = static_cast<float>(leftTwips);
    top_ = static_cast<float>(topTwips);
    place();
}

void PictureBox::place() {
    move(px(left_), px(top_));
}

void PictureBox::setBorder(bool single) {
    border_ = single;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    const int inset = border_ ? 1 : 0;
    painter.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
    // A picture made for another scale than the screen's is drawn smoothly rather than with jagged edges.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!picture_.isNull()) painter.drawPixmap(inset, inset, picture_);
    if (border_) {
        painter.setClipping(false);
        painter.setPen(QColor(160, 160, 160));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click && isEnabled()) emit clicked();
}

Button::Button(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
}

void Button::setBackColor(const QColor& colour) {
    back_ = colour;
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #808080; }"
                                 "QPushButton:focus { border: 2px solid #404040; }"
                                 "QPushButton:pressed { background-color: %2; }")
                      .arg(colour.name(), colour.darker(115).name()));
}

QRect Button::textBox() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

const FittedText& Button::textFit() const {
    const QRect box = textBox();
    if (!fitted_ || fitText_ != text() || fitFont_ != font() || fitBox_ != box) {
        fit_ = FittedText(text(), font(), box, Qt::AlignCenter, false);
        fitText_ = text();
        fitFont_ = font();
        fitBox_ = box;
        fitted_ = true;
    }
    return fit_;
}

void Button::paintEvent(QPaintEvent*) {
    // The style draws the button without its caption; the caption is drawn fitted inside it.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        option.palette.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    textFit().draw(painter);
}

void Button::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}

Line::Line(QWidget* parent, QPoint from, QPoint to, const QColor& colour)
    : QWidget(parent), from_(from), to_(to), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(QRect(from, to).normalized().adjusted(0, 0, 1, 1));
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour_, 1));
    painter.drawLine(from_ - pos(), to_ - pos());
}

} // namespace toolkit
