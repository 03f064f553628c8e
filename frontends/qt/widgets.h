// SPDX-License-Identifier: MIT
#pragma once
// The desktop's views of the toolkit's controls: each widget shows its control and raises the control's
// events. A widget whose window has been closed is detached: it shows what it last showed and raises
// nothing.
#include "frontends/qt/textfit.h"
#include "toolkit/controls.h"
#include "toolkit/look.h"
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <optional>

namespace frontend {

// What every control's widget does: follow its control, and let go of it when the window closes.
class ControlWidget : public toolkit::ControlView {
public:
    virtual void detach() = 0;
    // The widget of a control, for the front end's own checks and tests.
    static QWidget* of(const toolkit::Control* control);
    // The zoom of the window a widget lies in.
    static double zoomOf(const QWidget& widget);
    // The look the window a widget lies in is drawn in.
    static toolkit::Look lookOf(const QWidget& widget);
    // Lets screen readers pass over the widgets of decorative controls; once for the program, before the
    // first widget is made.
    static void hideDecorativeFromScreenReaders();

protected:
    // Place, visibility, enabled state, cursor, tooltip and accessible name, which every control has.
    static void follow(QWidget& widget, const toolkit::Control& control, unsigned what);
};

class LabelWidget : public QLabel, public ControlWidget {
public:
    LabelWidget(toolkit::Label& label, QWidget* parent);
    void changed(unsigned what) override;
    void detach() override { label_ = nullptr; }
    // The caption as it is drawn: inside the label with any font, shrunk only when too big for it.
    const FittedText& textFit() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    toolkit::Label* label_;
    std::optional<QColor> edge_; // round a tile in clear colours
    bool mayRunBelow_ = false;
    mutable FitCache fit_;
};

class PictureWidget : public QWidget, public ControlWidget {
public:
    PictureWidget(toolkit::PictureBox& box, QWidget* parent);
    void changed(unsigned what) override;
    void detach() override { box_ = nullptr; }
    const QPixmap& pixmap() const { return picture_; }
    // The room the picture takes at the window's zoom.
    QSize pictureSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    toolkit::PictureBox* box_;
    QPixmap picture_;
    QColor back_;
    bool border_ = false;
    QColor edge_;
    bool pressed_ = false;
};

class ButtonWidget : public QPushButton, public ControlWidget {
public:
    ButtonWidget(toolkit::Button& button, QWidget* parent);
    void changed(unsigned what) override;
    void takeFocus() override { setFocus(); }
    void detach() override { button_ = nullptr; }
    // The caption as it is drawn: centred inside the button with any font, shrunk only when too big for it.
    const FittedText& textFit() const;
    // Where the caption goes: inside the button's border.
    QRect textBox() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    toolkit::Button* button_;
    std::optional<QColor> caption_; // none: the style's own
    mutable FitCache fit_;
};

// A straight line between two points, one pixel wide; it never takes the mouse.
class LineWidget : public QWidget, public ControlWidget {
public:
    LineWidget(toolkit::Line& line, QWidget* parent);
    void changed(unsigned what) override;
    void detach() override { line_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    toolkit::Line* line_;
    QPoint from_, to_;
    QColor colour_;
};

// A control its screen draws: the window's colour, then the screen's drawing.
class CanvasWidget : public QWidget, public ControlWidget {
public:
    CanvasWidget(toolkit::Canvas& canvas, QWidget* parent);
    void changed(unsigned what) override;
    void detach() override { canvas_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    toolkit::Canvas* canvas_;
};

} // namespace frontend
