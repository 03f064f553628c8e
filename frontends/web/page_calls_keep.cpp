// SPDX-License-Identifier: MIT
// The page calls for what the browser keeps of the game (the learning record), the files it hands the
// player and its voice.
#include "frontends/web/page_calls.h"
#include <emscripten/val.h>

using emscripten::val;

namespace web::page {

namespace {

val call(const char* function, const val& what) {
    return val::global("pokurakuPage").call<val>(function, what);
}

} // namespace

void loadRecord(int id) {
    val what = val::object();
    what.set("id", id);
    call("loadRecord", what);
}

void keepRecordRow(const RecordRow& row) {
    val what = val::object();
    what.set("row", row.row);
    call("keepRecordRow", what);
}

void replaceRecord(const RecordRows& rows) {
    val array = val::array();
    for (const std::string& row : rows.rows)
        array.call<void>("push", row);
    val what = val::object();
    what.set("rows", array);
    call("replaceRecord", what);
}

std::string offerFile(const OfferedFile& file) {
    val what = val::object();
    what.set("name", file.name);
    // A view of the game's memory: the page copies it before it returns.
    what.set("bytes", val(emscripten::typed_memory_view(
                          file.bytes->size(), reinterpret_cast<const unsigned char*>(file.bytes->data()))));
    const val failure = call("offerFile", what);
    return failure.isString() ? failure.as<std::string>() : std::string();
}

void speak(const Spoken& spoken) {
    val what = val::object();
    what.set("text", spoken.text);
    call("speak", what);
}

} // namespace web::page
