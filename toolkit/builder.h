// SPDX-License-Identifier: MIT
#pragma once
// Builds controls from their definitions: places and sizes in twips, fonts in points, colours as RGB.
// Screens describe their controls as tables of these and never place a control by hand.
#include "toolkit/guard.h"
#include "toolkit/window.h"
#include <functional>
#include <initializer_list>
#include <string>

namespace toolkit {

inline constexpr Colour white{255, 255, 255};
inline constexpr Colour black{0, 0, 0};

struct LabelDef {
    Rect at;
    std::string caption;
    Colour fore = black;
    Colour back = white;
    Font font = {};
    Align align = Align::left;
    bool visible = true;
    bool border = false;
};

struct ButtonDef {
    Rect at;
    std::string caption;
    Colour back;
    Font font = {};
    bool visible = true;
};

struct PictureDef {
    Rect at;
    std::string picture; // its name, empty for none
    Colour back = white;
    bool visible = true;
    bool autoSize = false;
    std::string toolTip;
    bool border = false;
};

Label* makeLabel(Window& window, Control* parent, const LabelDef& def);
Button* makeButton(Window& window, Control* parent, const ButtonDef& def);
PictureBox* makePicture(Window& window, Control* parent, const PictureDef& def);

// Connects an event to a handler of the screen through the guard every handler runs behind; the handler
// takes none of the event's values.
template <class... Args> void wire(Guard& guard, Event<Args...>& event, std::function<void()> handler) {
    event.connect([&guard, handler = std::move(handler)](Args...) { guard.run(handler); });
}

// A row of a screen's definition table: a window, control, timer or menu item with the name it is defined by
// ("Label4", "Command1", "hyou"), and the handler its event runs, if it has one. So the control a player
// meets, the name it is defined by and the code it runs lead to each other.
struct Defined {
    template <class Object>
    Defined(Object* object, const char* name)
        : name(name), apply([object](std::string text) { object->setObjectName(std::move(text)); }) {}
    template <class Object, class... Args>
    Defined(Object* object, const char* name, Event<Args...>& event, std::function<void()> handler)
        : Defined(object, name) {
        connect = [&event, handler = std::move(handler)](Guard& guard) { wire(guard, event, handler); };
    }
    const char* name;
    std::function<void(std::string)> apply;
    std::function<void(Guard&)> connect;
};
// Names every row's object and connects its handler.
void define(Guard& guard, std::initializer_list<Defined> rows);

} // namespace toolkit
