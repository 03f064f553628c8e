// SPDX-License-Identifier: MIT
#pragma once
// The controls the screens are built from. They know nothing of the game: labels raise mouse-down for any
// button and click for the left one, picture boxes show a shared picture unscaled from their top-left corner,
// buttons show their back colour and can be pressed from the keyboard once they have the focus.
#include "toolkit/textfit.h"
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

namespace toolkit {

// A picture shared between boxes: assigning one box's picture to another makes both show the same image.
using Picture = QPixmap;

class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);
    void setBackColor(const QColor& colour);
    void setForeColor(const QColor& colour);
    QColor backColor() const { return back_; }
    QColor foreColor() const { return fore_; }
    void setBorder(bool single);
    bool hasBorder() const { return border_; }
    // The caption as it is drawn: inside the label with any font, shrunk only when too big for it.
    const FittedText& textFit() const;
    // For a label whose lower part is covered by another on purpose: only the top of its text must stay
    // inside, and the text is not shrunk for letters that run past its bottom.
    void setTextMayRunBelow(bool on);

signals:
    void mouseDown(Qt::MouseButton button);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyStyle();
    QColor back_ = Qt::white;
    QColor fore_ = Qt::black;
    bool border_ = false;
    mutable FittedText fit_;
    mutable QString fitText_;
    mutable QFont fitFont_;
    mutable QRect fitBox_;
    mutable Qt::Alignment fitAlign_;
    mutable bool fitted_ = false;
    bool mayRunBelow_ = false;
};

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent);

    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& picture);
    void setAutoSize(bool on) { autoSize_ = on; }
    void setBackColor(const QColor& colour);
    QColor backColor() const { return back_; }
    // A single-line border; the picture is then drawn inside it.
    void setBorder(bool single);
    bool hasBorder() const { return border_; }

    // Positions are kept as real twips; the widget sits at the nearest pixel.
    float left() const { return left_; }
    float top() const { return top_; }
    void setLeft(double twips);
    void setTop(double twips);
    void setPosition(double leftTwips, double topTwips);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void place();
    Picture picture_;
    QColor back_ = Qt::white;
    bool autoSize_ = false;
    bool border_ = false;
    bool pressed_ = false;
    float left_ = 0;
    float top_ = 0;
};

class Button : public QPushButton {
    Q_OBJECT
public:
    explicit Button(QWidget* parent);
    void setBackColor(const QColor& colour);
    QColor backColor() const { return back_; }
    // The caption as it is drawn: centred inside the button with any font, shrunk only when too big for it.
    const FittedText& textFit() const;
    // Where the caption goes: inside the button's border.
    QRect textBox() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor back_;
    mutable FittedText fit_;
    mutable QString fitText_;
    mutable QFont fitFont_;
    mutable QRect fitBox_;
    mutable bool fitted_ = false;
};

// A straight line between two points, one pixel wide; it never takes the mouse.
class Line : public QWidget {
    Q_OBJECT
public:
    Line(QWidget* parent, QPoint from, QPoint to, const QColor& colour);
    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_, to_;
    QColor colour_;
};

} // namespace toolkit
