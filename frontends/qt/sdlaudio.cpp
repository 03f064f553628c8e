// SPDX-License-Identifier: MIT
#include "frontends/qt/sdlaudio.h"
#include "services/sound/warning.h"
#include <SDL.h>
#include <string>
#include <vector>

namespace frontend {

using sound::AudioBackend;
using sound::Pcm;
using sound::PcmFormat;
using sound::SampleType;

namespace {

// Each output session connects to the audio system afresh and lets go of it when it closes: nothing of
// the audio system runs while no cue sounds, the next cue after a server restart reconnects, and a newly
// chosen default device is used from the next cue on.
class SdlBackend : public AudioBackend {
public:
    SdlBackend() {
        // The game keeps its own handling of Ctrl+C and termination.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "pokuraku");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "sound cues");
    }
    ~SdlBackend() override { close(); }

    bool open(const PcmFormat& format) override {
        // Each cue tries the audio systems from the first again, so a PulseAudio server that comes back
        // is used from the next cue on.
        std::string why = "no audio system";
        for (const std::string& driver : drivers_) {
            SDL_SetHint(SDL_HINT_AUDIODRIVER, driver.c_str());
            if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
                if (why == "no audio system") why += ": " + std::string(SDL_GetError());
                SDL_TLSCleanup();
                continue;
            }
            device_ = openDevice(format);
            if (device_ != 0) break;
            why = "no audio device: " + std::string(SDL_GetError());
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
        SDL_LockAudioDevice(device_);
        SDL_ClearQueuedAudio(device_);
        if (fresh_) {
            // A freshly started output may swallow its first few milliseconds; a short lead of silence
            // keeps the cue's first sample.
            const std::vector<unsigned char> lead(
                std::size_t(leadFrames(format_.sampleRate) * format_.bytesPerFrame()), 0);
            SDL_QueueAudio(device_, lead.data(), Uint32(lead.size()));
            fresh_ = false;
        }
        SDL_QueueAudio(device_, sound.samples.data(), Uint32(sound.samples.size()));
        SDL_UnlockAudioDevice(device_);
        SDL_PauseAudioDevice(device_, 0);
    }

    bool holdsSound() const override { return device_ != 0 && SDL_GetQueuedAudioSize(device_) > 0; }

    bool lost() const override {
        return device_ != 0 && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED;
    }

    void close() override {
        if (device_ == 0) return;
        SDL_ClearQueuedAudio(device_);
        SDL_CloseAudioDevice(device_);
        device_ = 0;
        letGo();
    }

private:
    static SDL_AudioDeviceID openDevice(const PcmFormat& format) {
        SDL_AudioSpec want{};
        want.freq = format.sampleRate;
        want.format = format.type == SampleType::Int16 ? AUDIO_S16SYS : AUDIO_F32SYS;
        want.channels = Uint8(format.channels);
        want.samples = bufferFrames(format.sampleRate);
        SDL_AudioSpec have{};
        return SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    }

    // SDL keeps its error messages per thread until told to drop them; the sound thread is not one of
    // SDL's own, so they would outlive it.
    static void letGo() {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        SDL_TLSCleanup();
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

    const std::vector<std::string> drivers_ = audioDrivers(SDL_getenv("SDL_AUDIODRIVER"));
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
