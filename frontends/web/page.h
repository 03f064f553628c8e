// SPDX-License-Identifier: MIT
#pragma once
// The page the browser front end draws in. The page's scripts (site/page/) make and change the elements at
// the game's asking (page_calls.h); the page hands back what happens through the handlers listed here,
// each under the number of the view it belongs to.
#include <emscripten/val.h>
#include <functional>
#include <string>

namespace web {

// What the page reports about a view.
enum class PageEvent : int {
    mouseDown = 1, // arg: 0 left, 1 middle, 2 right (the DOM's numbers)
    click = 2,
    menuTriggered = 3,
    menuAboutToShow = 4,
    closeRequested = 5,
    dialogClosed = 6,
    repaint = 7, // a canvas changed its size in pixels
};

// A number for a new view, never given twice.
int newViewId();
void listen(int id, std::function<void(PageEvent, int)> handler);
void forget(int id);

// The game's numbers the page needs, handed over as it starts, so they are written here alone: the event
// kinds above (events.mouseDown …), the keys the game knows by their DOM names (keys.Escape …,
// keys.ArrowDown; keys.NumpadEnter by the key's code) and the smallest size a caption is drawn at
// (smallestPixels).
emscripten::val pageNumbers();

} // namespace web
