// SPDX-License-Identifier: MIT
#include "services/sound/player.h"
#include <condition_variable>
#include <mutex>
#include <optional>
#ifdef __GLIBC__
#include <pthread.h>
#endif

namespace sound {

using Clock = std::chrono::steady_clock;

struct Player::Shared {
    Shared(std::vector<std::filesystem::path> folders, std::unique_ptr<AudioBackend> audio,
           PlayerTiming timing, CueLimits limits)
        : library(std::move(folders), limits), backend(std::move(audio)), timing(timing) {}

    struct Request {
        Cue cue;
        Clock::time_point at;
    };

    // Handed over between the window's thread and the sound thread, under the mutex. Neither thread
    // holds the mutex while it reads a file or talks to the audio system.
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable finishedChanged;
    std::optional<Request> request;
    bool quit = false;
    bool finished = false;

    // The sound thread's own.
    CueLibrary library;
    std::unique_ptr<AudioBackend> backend;
    PlayerTiming timing;
    enum class Output { Closed, Sounding, Idle } output = Output::Closed;
    PcmFormat openFormat;
    Clock::time_point deadline; // Sounding: when the cue has surely been heard; Idle: when to close

    void run();
    void handle(const Request& next);
    void timeUp();
    void close();
    bool superseded();
    bool stale(const Request& r) const { return Clock::now() - r.at > timing.staleAfter; }
};

void Player::Shared::run() {
    std::unique_lock lock(mutex);
    const auto ready = [this] { return quit || request.has_value(); };
    while (!quit) {
        if (output == Output::Closed) {
            wake.wait(lock, ready); // nothing sounds: sleep until the next request
        } else if (!wake.wait_until(lock, deadline, ready)) {
            lock.unlock();
            timeUp();
            lock.lock();
            continue;
        }
        if (quit) break;
        const Request next = *request;
        request.reset();
        lock.unlock();
        handle(next);
        lock.lock();
    }
    lock.unlock();
    close();
    lock.lock();
    finished = true;
    finishedChanged.notify_all();
}

bool Player::Shared::superseded() {
    const std::lock_guard lock(mutex);
    return quit || request.has_value();
}

void Player::Shared::handle(const Request& next) {
    const std::shared_ptr<const Pcm> sound = library.sound(next.cue);
    if (!sound || superseded() || stale(next)) return;
    if (output != Output::Closed && (backend->lost() || sound->format != openFormat)) close();
    if (output == Output::Closed) {
        // Letting go of the old output may have waited on the server too.
        if (stale(next) || !backend->open(sound->format)) return;
        openFormat = sound->format;
        output = Output::Idle;
        deadline = Clock::now() + timing.linger;
        // Opening may have taken long (a server slow to answer): a newer or late request waits no more.
        if (superseded() || stale(next)) return;
    }
    backend->start(*sound);
    output = Output::Sounding;
    deadline = Clock::now() +
               std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(sound->seconds())) +
               timing.tail;
}

void Player::Shared::timeUp() {
    if (output == Output::Sounding && !backend->lost() && !backend->holdsSound()) {
        output = Output::Idle;
        deadline = Clock::now() + timing.linger;
        return;
    }
    // Idle long enough, or the output went away or stalled with the cue unheard: let go of it. The next
    // cue opens it afresh.
    close();
}

void Player::Shared::close() {
    if (output == Output::Closed) return;
    backend->close();
    output = Output::Closed;
}

Player::Player(std::vector<std::filesystem::path> folders, std::unique_ptr<AudioBackend> backend,
               PlayerTiming timing, CueLimits limits)
    : shared_(std::make_shared<Shared>(std::move(folders), std::move(backend), timing, limits)) {
    // The thread holds the shared state itself, so a thread still stuck in the audio system when the
    // program ends can be left behind safely.
    thread_ = std::thread([shared = shared_] { shared->run(); });
#ifdef __GLIBC__
    // Named for the desktop's process tools; a browser's threads have no such name.
    pthread_setname_np(thread_.native_handle(), "pokuraku-sound");
#endif
}

Player::~Player() {
    std::unique_lock lock(shared_->mutex);
    shared_->quit = true;
    shared_->wake.notify_all();
    const bool finished = shared_->finishedChanged.wait_for(lock, shared_->timing.quitWait,
                                                            [this] { return shared_->finished; });
    lock.unlock();
    // A sound thread waiting on an audio server that does not answer must not keep the game from ending.
    if (finished)
        thread_.join();
    else
        thread_.detach();
}

void Player::play(Cue cue) {
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->request = Shared::Request{cue, Clock::now()};
    }
    shared_->wake.notify_one();
}

} // namespace sound
