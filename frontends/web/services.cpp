// SPDX-License-Identifier: MIT
#include "frontends/web/services.h"
#include "frontends/web/page.h"
#include "frontends/web/page_calls.h"
#include <cstdio>
#include <cstring>

namespace web {

void PageMessageBox::show(const std::string& text, const std::string& title, toolkit::MessageIcon icon,
                          std::function<void()> closed) {
    const int id = newViewId();
    listen(id, [id, closed = std::move(closed)](PageEvent event, int) {
        if (event != PageEvent::dialogClosed) return;
        const std::function<void()> done = closed;
        forget(id);
        done();
    });
    page::message({id, text, title, icon == toolkit::MessageIcon::stop});
}

void PageMessageBox::ask(const std::string& text, const std::string& title,
                         std::function<void(bool)> answered) {
    const int id = newViewId();
    listen(id, [id, answered = std::move(answered)](PageEvent event, int yes) {
        if (event != PageEvent::dialogClosed) return;
        const std::function<void(bool)> done = answered;
        forget(id);
        done(yes == 1);
    });
    page::message({id, text, title, false, page::Message::Asks::yesNo});
}

void PageMessageBox::askText(const std::string& text, const std::string& title, const std::string& initial,
                             std::function<void(std::optional<std::string>)> answered) {
    const int id = newViewId();
    listen(id, [id, answered = std::move(answered)](PageEvent event, int ok) {
        if (event != PageEvent::dialogClosed) return;
        const std::function<void(std::optional<std::string>)> done = answered;
        forget(id);
        done(ok == 1 ? std::optional<std::string>(page::dialogAnswer()) : std::nullopt);
    });
    page::message({id, text, title, false, page::Message::Asks::text, initial});
}

void PageErrors::fatal(const std::string& playerText, const std::string& detail) {
    std::fprintf(stderr, "pokuraku: %s\n", detail.c_str());
    // Nothing of the game may go on behind the error box: no animation, no chase, no window coming up.
    if (stopGame_) stopGame_();
    page::fatal({toolkit::fatalText(playerText), detail});
}

std::string PageSettings::value(const std::string& key) const {
    const emscripten::val stored = page::stored("pokuraku/" + key);
    return stored.isString() ? stored.as<std::string>() : std::string();
}

void PageSettings::setValue(const std::string& key, const std::string& value) {
    page::store({"pokuraku/" + key, value});
}

void PageSound::play(Cue cue) {
    const std::shared_ptr<const sound::Pcm> pcm = cues_.sound(cue);
    if (!pcm || pcm->frames() == 0) return;
    const std::string key =
        std::string(sound::name(cue)) + "@" + std::to_string(reinterpret_cast<std::uintptr_t>(pcm.get()));
    if (handedOver_.insert(pcm).second) {
        // Samples as floats from -1 to 1, channel after channel, as Web Audio takes them.
        const std::int64_t frames = pcm->frames();
        const int channels = pcm->format.channels;
        std::vector<float> planar(static_cast<std::size_t>(frames * channels));
        for (std::int64_t f = 0; f < frames; ++f) {
            for (int ch = 0; ch < channels; ++ch) {
                const std::size_t at = static_cast<std::size_t>(f * channels + ch);
                float sample;
                if (pcm->format.type == sound::SampleType::Int16) {
                    std::int16_t value;
                    std::memcpy(&value, pcm->samples.data() + at * 2, 2);
                    sample = static_cast<float>(value) / 32768.0f;
                } else {
                    std::memcpy(&sample, pcm->samples.data() + at * 4, 4);
                }
                planar[static_cast<std::size_t>(ch * frames + f)] = sample;
            }
        }
        page::keepCue({key, planar.data(), planar.size(), channels, pcm->format.sampleRate});
    }
    page::playCue({key, sound::fileName(cue)});
}

} // namespace web
