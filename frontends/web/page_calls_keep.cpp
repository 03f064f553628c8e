// SPDX-License-Identifier: MIT
// The page calls for what the browser keeps of the game (the learning record), the files it hands the
// player and its voice.
#include "frontends/web/page_calls.h"
#include "frontends/web/page_send.h"

using emscripten::val;

namespace web::page {

void loadRecord(int id) {
    send("loadRecord", withId(id));
}

void keepRecordRow(const RecordRow& row) {
    val what = val::object();
    what.set(key("row"), row.row);
    send("keepRecordRow", what);
}

void replaceRecord(const RecordRows& rows) {
    val what = val::object();
    what.set(key("rows"), arrayOf(rows.rows));
    send("replaceRecord", what);
}

std::string offerFile(const OfferedFile& file) {
    val what = val::object();
    what.set(key("name"), file.name);
    // A view of the game's memory: the page copies it before it returns.
    what.set(key("bytes"),
             val(emscripten::typed_memory_view(file.bytes->size(),
                                               reinterpret_cast<const unsigned char*>(file.bytes->data()))));
    const val failure = ask("offerFile", what);
    return failure.isString() ? failure.as<std::string>() : std::string();
}

void speak(const Spoken& spoken) {
    val what = val::object();
    what.set(key("text"), spoken.text);
    send("speak", what);
}

} // namespace web::page
