#pragma once
// Recorders for the music cycle's ports: a player, a timer and a track source
// that write every request into one shared log, so that tests see the order.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "music/music_cycle.h"

namespace quellan::testing {

using Log = std::vector<std::string>;

class FakeMusicDevice : public MusicDevice {
  public:
    explicit FakeMusicDevice(Log& log) : m_log(log) {}
    void close() override {
        m_log.push_back("Close");
        playing = false;
    }
    void setFileName(const std::string& path) override { m_log.push_back("FileName " + path); }
    void open() override { m_log.push_back("Open"); }
    void play() override {
        m_log.push_back("Play");
        playing = true;
    }
    void setCompletionHandler(std::function<void()> handler) override {
        m_handler = std::move(handler);
    }
    // The track has played to its end.
    void finish() {
        playing = false;
        if (m_handler) m_handler();
    }
    bool hasHandler() const { return static_cast<bool>(m_handler); }

    bool playing = false;

  private:
    Log& m_log;
    std::function<void()> m_handler;
};

class FakeTimer : public OneShotTimer {
  public:
    explicit FakeTimer(Log& log) : m_log(log) {}
    void setEnabled(bool enabled) override {
        m_log.push_back(enabled ? "Timer1 on" : "Timer1 off");
        m_enabled = enabled;
    }
    bool isEnabled() const override { return m_enabled; }

  private:
    Log& m_log;
    bool m_enabled = false;
};

class FakeTrackSource : public TrackSource {
  public:
    explicit FakeTrackSource(Log& log) : m_log(log) {}
    void reseed() override { m_log.push_back("Reseed"); }
    int draw() override {
        if (numbers.empty()) return 1;
        const int n = numbers.front();
        numbers.pop_front();
        return n;
    }

    std::deque<int> numbers;

  private:
    Log& m_log;
};

}  // namespace quellan::testing
