// SPDX-License-Identifier: MIT
#pragma once
// The only ways to the page, for the files of page calls: a function of the page's object (pokurakuPage,
// set by the page's start-up before the game's script runs) by name, with one object or nothing, and the
// names of its fields. Each function, and each name of a field, crosses over as a page value once and is
// kept by the address of its name: the game starts by making a few thousand of these calls.
#include <emscripten/val.h>
#include <string>
#include <vector>

namespace web::page {

const emscripten::val& pageFunction(const char* name);
const emscripten::val& key(const char* name);

inline void send(const char* function, const emscripten::val& what) {
    pageFunction(function)(what);
}
inline void send(const char* function) {
    pageFunction(function)();
}
inline emscripten::val ask(const char* function, const emscripten::val& what) {
    return pageFunction(function)(what);
}

// A new object whose field id is the number of the view it is about.
emscripten::val withId(int id);
// The texts as a page array.
emscripten::val arrayOf(const std::vector<std::string>& texts);

} // namespace web::page
