// SPDX-License-Identifier: MIT
#include "services/sound/sound.h"
#include <iterator>

namespace sound {
namespace {

// Every cue once: its name in messages, and the file it plays (none for the built-in default).
struct CueEntry {
    Cue cue;
    const char* name;
    const char* file;
};
constexpr CueEntry cues[] = {
    {Cue::Correct, "Correct", "seikai2.wav"},
    {Cue::Correct100, "Correct100", "seikai100.wav"},
    {Cue::Wrong, "Wrong", "matigai.wav"},
    {Cue::Hint, "Hint", "hinto.wav"},
    {Cue::Click, "Click", "a.wav"},
    {Cue::Eaten, "Eaten", "taberareru.wav"},
    {Cue::GameOver, "GameOver", "tukamaeru.wav"},
    {Cue::Default, "Default", ""},
};

const CueEntry* entryOf(Cue cue) {
    for (const CueEntry& entry : cues)
        if (entry.cue == cue) return &entry;
    return nullptr;
}

} // namespace

const char* name(Cue cue) {
    const CueEntry* entry = entryOf(cue);
    return entry ? entry->name : "?";
}

std::string fileName(Cue cue) {
    const CueEntry* entry = entryOf(cue);
    return entry ? entry->file : "";
}

} // namespace sound
