// SPDX-License-Identifier: MIT
#include "frontends/qt/widgets.h"
#include "frontends/qt/fonts.h"
#include "frontends/qt/painter.h"
#include "frontends/qt/pictures.h"
#include "frontends/qt/qtcolour.h"
#include "frontends/qt/twips.h"
#include "frontends/qt/window.h"
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

using namespace toolkit;

namespace frontend {

namespace {

constexpr unsigned everything = ~0u;

// Marks the widget of a control that is only there to look at.
constexpr char decorativeProperty[] = "pokurakuDecorative";

// A decorative control's widget as screen readers see it: there, but never shown, so they pass over it.
class Unseen : public QAccessibleWidget {
public:
    explicit Unseen(QWidget* widget) : QAccessibleWidget(widget) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface* decorativeFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->property(decorativeProperty).toBool()) return new Unseen(widget);
    return nullptr;
}

Qt::Alignment alignmentOf(Align align) {
    switch (align) {
    case Align::centre:
        return Qt::AlignHCenter;
    case Align::right:
        return Qt::AlignRight;
    case Align::left:
        break;
    }
    return Qt::AlignLeft;
}

MouseButton buttonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::left;
    case Qt::RightButton:
        return MouseButton::right;
    case Qt::MiddleButton:
        return MouseButton::middle;
    default:
        return MouseButton::other;
    }
}

} // namespace

void ControlWidget::hideDecorativeFromScreenReaders() {
    static const bool installed = [] {
        QAccessible::installFactory(decorativeFactory);
        return true;
    }();
    (void)installed;
}

double ControlWidget::zoomOf(const QWidget& widget) {
    const auto* window = dynamic_cast<const QtWindow*>(widget.window());
    return window ? window->zoom() : 1;
}

Look ControlWidget::lookOf(const QWidget& widget) {
    const auto* window = dynamic_cast<const QtWindow*>(widget.window());
    return window ? window->look() : Look{};
}

QWidget* ControlWidget::of(const Control* control) {
    return control ? dynamic_cast<QWidget*>(control->view()) : nullptr;
}

void ControlWidget::follow(QWidget& widget, const Control& control, unsigned what) {
    const double zoom = zoomOf(widget);
    if ((what & changedPlace) && control.kind() != Control::Kind::line) {
        const Rect at = control.geometry();
        widget.setGeometry(rectFromTwips(at.left, at.top, at.width, at.height, zoom));
    }
    if (what & changedShown) widget.setVisible(!control.isHidden());
    if (what & changedEnabled) widget.setEnabled(control.isEnabled());
    if (what & changedPointer) {
        if (const std::optional<QCursor> cursor = cursorFor(control.cursor(), zoom))
            widget.setCursor(*cursor);
        else
            widget.unsetCursor();
        const QString tip = QString::fromStdString(control.toolTip());
        if (widget.toolTip() != tip) widget.setToolTip(tip);
    }
    // A label's or button's name follows its caption unless it has one of its own.
    if (what & (changedName | changedText)) {
        widget.setAccessibleName(QString::fromStdString(control.accessibleName()));
        widget.setProperty(decorativeProperty, control.isDecorative());
    }
    widget.setObjectName(QString::fromStdString(control.objectName()));
}

LabelWidget::LabelWidget(Label& label, QWidget* parent) : QLabel(parent), label_(&label) {
    setAutoFillBackground(true);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
    changed(everything);
}

void LabelWidget::changed(unsigned what) {
    if (!label_) return;
    follow(*this, *label_, what);
    if (what & changedText) setText(QString::fromStdString(label_->text()));
    if (what & changedLook) {
        const LabelColours drawn = drawnColours(*label_, lookOf(*this));
        QPalette p = palette();
        p.setColor(QPalette::Window, toQColor(drawn.back));
        p.setColor(QPalette::WindowText, toQColor(drawn.fore));
        setPalette(p);
        edge_ = drawn.edge ? std::optional<QColor>(toQColor(*drawn.edge)) : std::nullopt;
        setFont(makeFont(label_->font(), zoomOf(*this)));
        setAlignment(alignmentOf(label_->alignment()) | Qt::AlignTop);
        setFrameStyle(label_->hasBorder() ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
        setLineWidth(1);
        if (mayRunBelow_ != label_->textMayRunBelow()) {
            mayRunBelow_ = label_->textMayRunBelow();
            update();
        }
    }
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (label_) label_->mouseDown(buttonOf(event->button()));
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (label_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        label_->clicked();
}

const FittedText& LabelWidget::textFit() const {
    return fit_.fit(text(), font(), contentsRect(), alignment(), wordWrap(), mayRunBelow_);
}

void LabelWidget::paintEvent(QPaintEvent*) {
    // The background is filled by the widget itself; the frame and the caption are drawn here.
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(palette().color(QPalette::WindowText));
    textFit().draw(painter, label_ ? QString::fromStdString(label_->inkOnly()) : QString());
    if (edge_) {
        painter.setPen(*edge_);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

PictureWidget::PictureWidget(PictureBox& box, QWidget* parent) : QWidget(parent), box_(&box) {
    changed(everything);
}

void PictureWidget::changed(unsigned what) {
    if (!box_) return;
    follow(*this, *box_, what & ~changedPlace);
    const double zoom = zoomOf(*this);
    if (what & changedPlace) {
        // Made (or zoomed) at its defined size; otherwise it only moves, to the nearest pixel of its place.
        if (what == everything) {
            const Rect at = box_->geometry();
            resize(px(at.width, zoom), px(at.height, zoom));
        }
        move(px(box_->left(), zoom), px(box_->top(), zoom));
    }
    if (what & changedPicture) {
        picture_ = picture(box_->picture(), zoom);
        // An auto-sized box keeps its size when its picture is taken away.
        if (box_->autoSize() && !picture_.isNull()) resize(pictureSize());
        update();
    }
    if (what & changedLook) {
        back_ = toQColor(box_->backColor());
        border_ = box_->hasBorder();
        edge_ = toQColor(drawnEdge(*box_, lookOf(*this)));
        update();
    }
}

QSize PictureWidget::pictureSize() const {
    return (picture_.deviceIndependentSize() * zoomOf(*this)).toSize();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    const int inset = border_ ? 1 : 0;
    painter.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
    // A picture made for another scale than the screen's is drawn smoothly rather than with jagged edges.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!picture_.isNull()) painter.drawPixmap(QRect(QPoint(inset, inset), pictureSize()), picture_);
    if (border_) {
        painter.setClipping(false);
        painter.setPen(edge_);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click && isEnabled() && box_) box_->clicked();
}

ButtonWidget::ButtonWidget(Button& button, QWidget* parent) : QPushButton(parent), button_(&button) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        if (button_) button_->clicked();
    });
    changed(everything);
}

void ButtonWidget::changed(unsigned what) {
    if (!button_) return;
    follow(*this, *button_, what);
    if (what & changedText) setText(QString::fromStdString(button_->text()));
    if (what & changedLook) {
        const Look look = lookOf(*this);
        const QColor colour = toQColor(button_->backColor());
        setStyleSheet(
            QStringLiteral("QPushButton { background-color: %1; border: 1px solid %3; }"
                           "QPushButton:focus { border: 2px solid #404040; }"
                           "QPushButton:pressed { background-color: %2; }")
                .arg(colour.name(), colour.darker(115).name(), toQColor(drawnEdge(*button_, look)).name()));
        const std::optional<Colour> caption = drawnCaption(*button_, look);
        caption_ = caption ? std::optional<QColor>(toQColor(*caption)) : std::nullopt;
        setFont(makeFont(button_->font(), zoomOf(*this)));
    }
}

QRect ButtonWidget::textBox() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

const FittedText& ButtonWidget::textFit() const {
    return fit_.fit(text(), font(), textBox(), Qt::AlignCenter, false);
}

void ButtonWidget::paintEvent(QPaintEvent*) {
    // The style draws the button without its caption; the caption is drawn fitted inside it.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(caption_ && isEnabled()
                       ? *caption_
                       : option.palette.color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                              QPalette::ButtonText));
    textFit().draw(painter);
}

void ButtonWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}

LineWidget::LineWidget(Line& line, QWidget* parent) : QWidget(parent), line_(&line) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    changed(everything);
}

void LineWidget::changed(unsigned what) {
    if (!line_) return;
    const double zoom = zoomOf(*this);
    from_ = QPoint(px(line_->from().x, zoom), px(line_->from().y, zoom));
    to_ = QPoint(px(line_->to().x, zoom), px(line_->to().y, zoom));
    colour_ = toQColor(drawnColour(*line_, lookOf(*this)));
    setGeometry(QRect(from_, to_).normalized().adjusted(0, 0, 1, 1));
    follow(*this, *line_, what & ~changedPlace);
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour_, 1));
    painter.drawLine(from_ - pos(), to_ - pos());
}

CanvasWidget::CanvasWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(&canvas) {
    changed(everything);
}

void CanvasWidget::changed(unsigned what) {
    if (!canvas_) return;
    follow(*this, *canvas_, what);
    update();
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter qpainter(this);
    qpainter.fillRect(rect(), palette().color(QPalette::Window));
    qpainter.setRenderHint(QPainter::TextAntialiasing);
    if (!canvas_ || !canvas_->paint) return;
    QtPainter painter(qpainter, size());
    canvas_->paint(painter);
}

} // namespace frontend
