// SPDX-License-Identifier: MIT
#include "frontends/qt/sdlaudio.h"
#include "services/sound/warning.h"
#include <SDL.h>
#include <cstdlib>
#include <dlfcn.h>
#include <optional>
#include <string>
#include <vector>

namespace frontend {

using sound::AudioBackend;
using sound::Pcm;
using sound::PcmFormat;
using sound::SampleType;

namespace {

// SDL 2 as the sound thread opens it the first time a cue needs the audio device, rather than with the
// program: it brings the client libraries of every audio system it can play through (PulseAudio, ALSA,
// PipeWire) and their codecs, none of which the game needs before its first cue.
struct Sdl {
    decltype(&SDL_SetHint) setHint;
    decltype(&SDL_InitSubSystem) initSubSystem;
    decltype(&SDL_QuitSubSystem) quitSubSystem;
    decltype(&SDL_GetError) getError;
    decltype(&SDL_TLSCleanup) tlsCleanup;
    decltype(&SDL_OpenAudioDevice) openAudioDevice;
    decltype(&SDL_CloseAudioDevice) closeAudioDevice;
    decltype(&SDL_LockAudioDevice) lockAudioDevice;
    decltype(&SDL_UnlockAudioDevice) unlockAudioDevice;
    decltype(&SDL_PauseAudioDevice) pauseAudioDevice;
    decltype(&SDL_QueueAudio) queueAudio;
    decltype(&SDL_ClearQueuedAudio) clearQueuedAudio;
    decltype(&SDL_GetQueuedAudioSize) getQueuedAudioSize;
    decltype(&SDL_GetAudioDeviceStatus) getAudioDeviceStatus;
};

template <class Function> bool find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// The library stays loaded for the rest of the program. Empty, with the reason in why, when it cannot be.
std::optional<Sdl> loadSdl(std::string& why) {
    void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        why = "no audio system: " + std::string(dlerror());
        return std::nullopt;
    }
    Sdl sdl{};
    if (!find(library, "SDL_SetHint", sdl.setHint) ||
        !find(library, "SDL_InitSubSystem", sdl.initSubSystem) ||
        !find(library, "SDL_QuitSubSystem", sdl.quitSubSystem) ||
        !find(library, "SDL_GetError", sdl.getError) || !find(library, "SDL_TLSCleanup", sdl.tlsCleanup) ||
        !find(library, "SDL_OpenAudioDevice", sdl.openAudioDevice) ||
        !find(library, "SDL_CloseAudioDevice", sdl.closeAudioDevice) ||
        !find(library, "SDL_LockAudioDevice", sdl.lockAudioDevice) ||
        !find(library, "SDL_UnlockAudioDevice", sdl.unlockAudioDevice) ||
        !find(library, "SDL_PauseAudioDevice", sdl.pauseAudioDevice) ||
        !find(library, "SDL_QueueAudio", sdl.queueAudio) ||
        !find(library, "SDL_ClearQueuedAudio", sdl.clearQueuedAudio) ||
        !find(library, "SDL_GetQueuedAudioSize", sdl.getQueuedAudioSize) ||
        !find(library, "SDL_GetAudioDeviceStatus", sdl.getAudioDeviceStatus)) {
        why = "no audio system: libSDL2-2.0.so.0 is too old (" + std::string(dlerror()) + ")";
        return std::nullopt;
    }
    // The game keeps its own handling of Ctrl+C and termination.
    sdl.setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl.setHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "pokuraku");
    sdl.setHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "sound cues");
    return sdl;
}

// Each output session connects to the audio system afresh and lets go of it when it closes: nothing of
// the audio system runs while no cue sounds, the next cue after a server restart reconnects, and a newly
// chosen default device is used from the next cue on.
class SdlBackend : public AudioBackend {
public:
    ~SdlBackend() override { close(); }

    bool open(const PcmFormat& format) override {
        std::string why = "no audio system";
        if (!sdl_) sdl_ = loadSdl(why);
        if (!sdl_) {
            report(why);
            return false;
        }
        // Each cue tries the audio systems from the first again, so a PulseAudio server that comes back
        // is used from the next cue on.
        for (const std::string& driver : drivers_) {
            sdl_->setHint(SDL_HINT_AUDIODRIVER, driver.c_str());
            if (sdl_->initSubSystem(SDL_INIT_AUDIO) != 0) {
                if (why == "no audio system") why += ": " + std::string(sdl_->getError());
                sdl_->tlsCleanup();
                continue;
            }
            device_ = openDevice(format);
            if (device_ != 0) break;
            why = "no audio device: " + std::string(sdl_->getError());
            letGo();
        }
        if (device_ == 0) {
            report(why);
            return false;
        }
        format_ = format;
        fresh_ = true;
        reported_.clear();
        return true;
    }

    void start(const Pcm& sound) override {
        // Under the device's lock the audio thread takes either the rest of the old cue or the new one
        // from its first sample, never a moment of neither.
        sdl_->lockAudioDevice(device_);
        sdl_->clearQueuedAudio(device_);
        if (fresh_) {
            // A freshly started output may swallow its first few milliseconds; a short lead of silence
            // keeps the cue's first sample.
            const std::vector<unsigned char> lead(
                std::size_t(leadFrames(format_.sampleRate) * format_.bytesPerFrame()), 0);
            sdl_->queueAudio(device_, lead.data(), Uint32(lead.size()));
            fresh_ = false;
        }
        sdl_->queueAudio(device_, sound.samples.data(), Uint32(sound.samples.size()));
        sdl_->unlockAudioDevice(device_);
        sdl_->pauseAudioDevice(device_, 0);
    }

    bool holdsSound() const override { return device_ != 0 && sdl_->getQueuedAudioSize(device_) > 0; }

    bool lost() const override {
        return device_ != 0 && sdl_->getAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED;
    }

    void close() override {
        if (device_ == 0) return;
        sdl_->clearQueuedAudio(device_);
        sdl_->closeAudioDevice(device_);
        device_ = 0;
        letGo();
    }

private:
    SDL_AudioDeviceID openDevice(const PcmFormat& format) const {
        SDL_AudioSpec want{};
        want.freq = format.sampleRate;
        want.format = format.type == SampleType::Int16 ? AUDIO_S16SYS : AUDIO_F32SYS;
        want.channels = Uint8(format.channels);
        want.samples = bufferFrames(format.sampleRate);
        SDL_AudioSpec have{};
        return sdl_->openAudioDevice(nullptr, 0, &want, &have, 0);
    }

    // SDL keeps its error messages per thread until told to drop them; the sound thread is not one of
    // SDL's own, so they would outlive it.
    void letGo() const {
        sdl_->quitSubSystem(SDL_INIT_AUDIO);
        sdl_->tlsCleanup();
    }

    // About 46 ms of sound per buffer: short enough for a prompt cue, long enough to ride out a busy
    // machine without gaps (half that ran dry now and then on a busy two-core machine).
    static Uint16 bufferFrames(int sampleRate) {
        Uint16 frames = 256;
        while (frames < 8192 && frames * 2 <= sampleRate / 20)
            frames *= 2;
        return frames;
    }
    static int leadFrames(int sampleRate) { return sampleRate / 50; } // 20 ms

    // Says once why there is no sound, until sound comes back.
    void report(const std::string& reason) {
        if (reason == reported_) return;
        reported_ = reason;
        sound::warn("pokuraku: " + reason + "; the game goes on without sound");
    }

    const std::vector<std::string> drivers_ = audioDrivers(std::getenv("SDL_AUDIODRIVER"));
    std::optional<Sdl> sdl_;
    SDL_AudioDeviceID device_ = 0;
    PcmFormat format_;
    bool fresh_ = false; // nothing played since the output was opened
    std::string reported_;
};

} // namespace

std::vector<std::string> audioDrivers(const char* playerChoice) {
    if (playerChoice && *playerChoice) return {playerChoice};
    return {"pulseaudio", "pipewire", "alsa"};
}

std::unique_ptr<AudioBackend> makeSdlAudio() {
    return std::make_unique<SdlBackend>();
}

} // namespace frontend
