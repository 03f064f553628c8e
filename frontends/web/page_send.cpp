// SPDX-License-Identifier: MIT
#include "frontends/web/page_send.h"
#include <unordered_map>

using emscripten::val;

namespace web::page {

namespace {

const val& pageValue(std::unordered_map<const char*, val>& kept, const char* name, bool function) {
    auto found = kept.find(name);
    if (found == kept.end())
        found = kept.emplace(name, function ? val::global("pokurakuPage")[name] : val(name)).first;
    return found->second;
}

} // namespace

const val& pageFunction(const char* name) {
    static std::unordered_map<const char*, val> functions;
    return pageValue(functions, name, true);
}

const val& key(const char* name) {
    static std::unordered_map<const char*, val> keys;
    return pageValue(keys, name, false);
}

val withId(int id) {
    val what = val::object();
    what.set(key("id"), id);
    return what;
}

val arrayOf(const std::vector<std::string>& texts) {
    val array = val::array();
    for (const std::string& text : texts)
        array.call<void>("push", text);
    return array;
}

} // namespace web::page
