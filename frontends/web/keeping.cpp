// SPDX-License-Identifier: MIT
#include "frontends/web/keeping.h"
#include "frontends/web/page.h"
#include "frontends/web/page_calls.h"
#include <emscripten.h>
#include <emscripten/bind.h>
#include <map>

namespace web {

namespace {

std::map<int, std::function<void(record::Loaded)>>& readers() {
    static std::map<int, std::function<void(record::Loaded)>> waiting;
    return waiting;
}

// The page's answer to loadRecord ({text, count, setAsideAs, notKept}): the rows come as one text, a line
// each, which crosses over at once however long the record.
void recordLoaded(int id, const emscripten::val& found) {
    const auto reader = readers().find(id);
    if (reader == readers().end()) return;
    const std::function<void(record::Loaded)> done = std::move(reader->second);
    readers().erase(reader);
    record::Loaded loaded;
    const std::string text = found["text"].as<std::string>();
    const int count = found["count"].as<int>();
    std::size_t from = 0;
    for (int i = 0; i < count; ++i) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        loaded.rows.push_back(text.substr(from, end - from));
        from = end + 1;
    }
    loaded.setAsideAs = found["setAsideAs"].as<std::string>();
    loaded.notKept = found["notKept"].as<bool>();
    done(std::move(loaded));
}

PageSpeech* voice = nullptr;

void speechVoices(bool available) {
    if (voice) voice->voicesChanged(available);
}

EMSCRIPTEN_BINDINGS(keeping) {
    emscripten::function("recordLoaded", &recordLoaded);
    emscripten::function("speechVoices", &speechVoices);
}

} // namespace

void PageRecordStore::load(std::function<void(record::Loaded)> done) {
    const int id = newViewId();
    readers()[id] = std::move(done);
    page::loadRecord(id);
}

void PageRecordStore::append(const record::Row& row) {
    page::keepRecordRow({row});
}

void PageRecordStore::replaceAll(const std::vector<record::Row>& rows) {
    page::replaceRecord({rows});
}

void PageFileExport::offer(const std::string& suggestedName, const std::string& bytes,
                           std::function<void(bool, const std::string&)> done) {
    const std::string failure = page::offerFile({suggestedName, &bytes});
    // As on the desktop, the answer comes after the call has returned.
    auto* answer =
        new std::function<void()>([done = std::move(done), failure] { done(failure.empty(), failure); });
    emscripten_async_call(
        [](void* what) {
            std::unique_ptr<std::function<void()>> call(static_cast<std::function<void()>*>(what));
            (*call)();
        },
        answer, 0);
}

PageSpeech::PageSpeech() {
    voice = this;
}

PageSpeech::~PageSpeech() {
    if (voice == this) voice = nullptr;
}

void PageSpeech::speak(const std::string& text) {
    if (available_) page::speak({text});
}

void PageSpeech::voicesChanged(bool available) {
    if (available == available_) return;
    available_ = available;
    if (changed) changed();
}

} // namespace web
