// The speaker model's sound: a playback thread that renders the model's tone changes as a
// square wave on the default ALSA device, with short periods so that a tone starts and stops
// within a few milliseconds of the byte that switches it. The GUI thread only queues the
// changes; opening, writing and closing the device all happen on the playback thread.

#include <memory>
#include <string>

#include "diag/port_backend.h"
#include "diag/speaker_model.h"

#ifdef QUORVEL_HAVE_ALSA
#include <alsa/asoundlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>
#endif

namespace quorvel {

namespace {

#ifdef QUORVEL_HAVE_ALSA

constexpr const char* kDevice = "default";
constexpr unsigned kSampleRate = 48000;
// The whole device buffer; ALSA splits it into about four periods.
constexpr unsigned kLatencyMicroseconds = 8000;
// How long the device keeps running on silence after a tone before it is stopped, so that
// the short pauses inside a cue do not restart it.
constexpr double kSilentTailSeconds = 0.2;
// How long one wait for room in the buffer may last before the stop request is looked at.
constexpr int kWaitMs = 20;

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// ALSA prints its own complaints (no card, no configuration) to standard error; a program
// without a sound device is normal here and its reason goes to the log instead.
void QuietAlsa() {
    static std::once_flag once;
    std::call_once(once, [] { snd_lib_error_set_handler(IgnoreAlsaMessage); });
}

std::string AlsaError(int error) {
    return snd_strerror(error);
}

class AlsaToneSink final : public ToneSink {
public:
    ~AlsaToneSink() override { End(); }

    bool Probe(std::string& reason) override {
        QuietAlsa();
        snd_pcm_t* pcm = nullptr;
        const int error = snd_pcm_open(&pcm, kDevice, SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
        if (error < 0) {
            reason = std::string("no sound device \"") + kDevice + "\": " + AlsaError(error);
            return false;
        }
        snd_pcm_close(pcm);
        return true;
    }

    void Begin() override {
        if (!m_thread.joinable()) {
            m_stop = false;
            m_thread = std::thread(&AlsaToneSink::Run, this);
        }
    }

    void Play(const ToneChange& change) override {
        {
            const std::lock_guard lock(m_mutex);
            m_changes.push_back(change);
        }
        m_wake.notify_one();
    }

    void End() override {
        if (!m_thread.joinable()) {
            return;
        }
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_one();
        m_thread.join();
        m_changes.clear();
    }

private:
    struct Device {
        snd_pcm_t* pcm = nullptr;
        snd_pcm_uframes_t buffer = 0;
        snd_pcm_uframes_t period = 0;
    };

    static Device OpenDevice() {
        QuietAlsa();
        Device device;
        int error = snd_pcm_open(&device.pcm, kDevice, SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
        if (error < 0) {
            return {};
        }
        error = snd_pcm_set_params(device.pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                                   kSampleRate, 1, kLatencyMicroseconds);
        if (error >= 0) {
            error = snd_pcm_get_params(device.pcm, &device.buffer, &device.period);
        }
        if (error >= 0) {
            // Start playing as soon as one period is in the buffer rather than when it is
            // full: the tone then starts one period after its byte.
            snd_pcm_sw_params_t* software = nullptr;
            snd_pcm_sw_params_alloca(&software);
            if (snd_pcm_sw_params_current(device.pcm, software) >= 0 &&
                snd_pcm_sw_params_set_start_threshold(device.pcm, software, device.period) >= 0) {
                snd_pcm_sw_params(device.pcm, software);
            }
        }
        if (error < 0 || device.period == 0) {
            snd_pcm_close(device.pcm);
            return {};
        }
        return device;
    }

    bool StopRequested() {
        const std::lock_guard lock(m_mutex);
        return m_stop;
    }

    // Writes all frames, waiting for room in the buffer; false on a stop request or a device
    // that cannot go on.
    bool Write(snd_pcm_t* pcm, const std::int16_t* frames, snd_pcm_uframes_t count) {
        while (count > 0) {
            if (StopRequested()) {
                return false;
            }
            const snd_pcm_sframes_t written = snd_pcm_writei(pcm, frames, count);
            if (written == -EAGAIN) {
                snd_pcm_wait(pcm, kWaitMs);
            } else if (written < 0) {
                if (snd_pcm_recover(pcm, static_cast<int>(written), 1) < 0) {
                    return false;
                }
            } else {
                frames += written;
                count -= static_cast<snd_pcm_uframes_t>(written);
            }
        }
        return true;
    }

    // Without a device the changes are taken and dropped until the stop request.
    void DiscardUntilStop() {
        std::unique_lock lock(m_mutex);
        while (!m_stop) {
            m_changes.clear();
            m_wake.wait(lock);
        }
    }

    void Run() {
        const Device device = OpenDevice();
        if (device.pcm == nullptr) {
            DiscardUntilStop();
            return;
        }
        PlayChanges(device);
        snd_pcm_drop(device.pcm);
        snd_pcm_close(device.pcm);
        DiscardUntilStop();
    }

    // Plays the queued changes as one time line: each change starts at the frame its time
    // gives, counted from the first change of the burst, and lasts until the next one; the
    // latest lasts until another arrives, so a tone never ends late by more than the buffer.
    // Writing keeps at most a buffer ahead of the wall clock, also on a device that takes
    // samples faster than it plays them. A run of silence after a tone stops the device until
    // the next change.
    void PlayChanges(const Device& device) {
        using Clock = std::chrono::steady_clock;
        SquareWave wave(kSampleRate);
        std::vector<std::int16_t> block(device.period);
        const double leadSeconds = static_cast<double>(device.buffer) / kSampleRate;
        const auto tailFrames = static_cast<std::int64_t>(kSilentTailSeconds * kSampleRate);
        bool running = false;
        ToneChange current;
        double burstStart = 0.0;
        Clock::time_point wallStart;
        std::int64_t written = 0;
        std::int64_t silentFrames = 0;

        const auto secondsAhead = [&] {
            const std::chrono::duration<double> played = Clock::now() - wallStart;
            return static_cast<double>(written) / kSampleRate - played.count();
        };
        const auto render = [&](std::int64_t frames) {
            while (frames > 0) {
                const auto count = static_cast<std::size_t>(
                    std::min<std::int64_t>(frames, static_cast<std::int64_t>(block.size())));
                const std::span<std::int16_t> part(block.data(), count);
                wave.Render(current.sounding, current.frequency, part);
                if (!Write(device.pcm, part.data(), count)) {
                    return false;
                }
                frames -= static_cast<std::int64_t>(count);
                written += static_cast<std::int64_t>(count);
                silentFrames =
                    current.sounding ? 0 : silentFrames + static_cast<std::int64_t>(count);
            }
            return true;
        };
        const auto woken = [&] { return m_stop || !m_changes.empty(); };

        while (true) {
            std::optional<ToneChange> next;
            {
                std::unique_lock lock(m_mutex);
                if (!running) {
                    m_wake.wait(lock, woken);
                } else if (!woken() && secondsAhead() > leadSeconds) {
                    m_wake.wait_for(
                        lock, std::chrono::duration<double>(secondsAhead() - leadSeconds), woken);
                }
                if (m_stop) {
                    return;
                }
                if (!m_changes.empty()) {
                    next = m_changes.front();
                    m_changes.pop_front();
                }
            }
            if (!running) {
                if (snd_pcm_prepare(device.pcm) < 0) {
                    return;
                }
                current = *next;
                burstStart = current.time;
                wallStart = Clock::now();
                written = 0;
                silentFrames = 0;
                running = true;
            } else if (next) {
                const auto nextStart = static_cast<std::int64_t>(
                    std::llround((next->time - burstStart) * kSampleRate));
                if (!render(nextStart - written)) {
                    return;
                }
                current = *next;
            } else if (secondsAhead() <= leadSeconds) {
                if (!render(static_cast<std::int64_t>(block.size()))) {
                    return;
                }
                if (!current.sounding && silentFrames >= tailFrames) {
                    snd_pcm_drop(device.pcm);
                    running = false;
                }
            }
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<ToneChange> m_changes;
    bool m_stop = false;
    std::thread m_thread;
};

#else

class SilentToneSink final : public ToneSink {
public:
    bool Probe(std::string& reason) override {
        reason = "built without ALSA";
        return false;
    }
    void Play(const ToneChange& /*change*/) override {}
};

#endif

}  // namespace

std::unique_ptr<PortBackend> MakeSoundPortBackend(ClockSource& clock) {
#ifdef QUORVEL_HAVE_ALSA
    return MakeSpeakerModelBackend(clock, std::make_unique<AlsaToneSink>());
#else
    return MakeSpeakerModelBackend(clock, std::make_unique<SilentToneSink>());
#endif
}

}  // namespace quorvel
