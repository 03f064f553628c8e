#include "toolkit/screen.h"
#include "toolkit/timer.h"
#include <QCloseEvent>
#include <QLayout>

namespace toolkit {

ScreenWindow::ScreenWindow(const QString& caption, QSize clientPixels) {
    setWindowTitle(caption);
    client_ = new QWidget(this);
    client_->setFixedSize(clientPixels);
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    // The screen decides what a close from the frame means; the window never closes itself.
    event->ignore();
    if (onCloseRequest) onCloseRequest();
}

Screen::~Screen() {
    if (window_) delete window_;
}

void Screen::load() {
    if (window_) return;
    ++generation_;
    window_ = build();
    window_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window_->onCloseRequest = [this, generation = generation_] {
        if (generation == generation_) host_.guard().run([this] { closeRequested(); });
    };
    host_.screenLoaded();
    if (visibleAtCreation()) window_->show();
    Form_Load();
}

void Screen::show() {
    load();
    if (!window_) return; // the load step closed the screen again
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void Screen::hide() {
    load();
    if (window_) window_->hide();
}

void Screen::focus() {
    if (!window_) return;
    window_->activateWindow();
    window_->setFocus();
}

void Screen::close() {
    if (!window_) return;
    ScreenWindow* old = window_;
    window_ = nullptr;
    ++generation_;
    for (Timer* timer : old->findChildren<Timer*>())
        timer->setEnabled(false);
    old->onCloseRequest = nullptr;
    old->hide();
    // The window may be in the middle of delivering the event that closed it: delete it later.
    old->deleteLater();
    forgetControls();
    host_.screenUnloaded();
}

} // namespace toolkit
