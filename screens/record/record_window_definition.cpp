// SPDX-License-Identifier: MIT
// きろく's window: one board the screen draws, and its menus.
#include "screens/record/record_window.h"
#include "toolkit/builder.h"

using namespace toolkit;

std::unique_ptr<Window> RecordWindow::build() {
    auto window = std::make_unique<Window>("きろく", 9600, 7200);
    window->setDesignPosition({600, 600});
    window->setBackColor(white);
    c.board = window->add<Canvas>(nullptr);
    c.board->setGeometry({0, 0, 9600, 7200});
    c.board->paint = [this](Painter& painter) { draw(painter); };
    MenuItem& bar = window->menuBar();
    c.exportItem = bar.add("書き出す");
    c.clearItem = bar.add("きろくを消す");
    c.closeItem = bar.add("とじる");
    RecordWindow* s = this;
    define(guard(), {{window.get(), "recordWindow"},
                     {c.board, "recordBoard"},
                     {c.exportItem, "exportItem", c.exportItem->triggered, [s] { s->onExportMenu(); }},
                     {c.clearItem, "clearRecordItem", c.clearItem->triggered, [s] { s->onClearMenu(); }},
                     {c.closeItem, "closeRecordItem", c.closeItem->triggered, [s] { s->close(); }}});
    return window;
}
