// The sound effects, each short and crisp, and the writing of every file.
#include <cmath>
#include <functional>
#include <map>
#include <thread>

#include "soundtrack/encode.h"
#include "soundtrack/soundtrack.h"
#include "soundtrack/synth.h"

namespace soundtrack {
namespace {

// Adds `b` into `a` from `at` seconds on, scaled.
void Layer(Mono& a, const Mono& b, double at, float gain) {
  const size_t start = static_cast<size_t>(at * kRate);
  if (a.size() < start + b.size()) a.resize(start + b.size(), 0.f);
  for (size_t i = 0; i < b.size(); ++i) a[start + i] += b[i] * gain;
}

// Soft saturation: a sine becomes a rounded square, richer and louder.
Mono Drive(Mono m, float amount) {
  for (float& x : m) x = std::tanh(x * amount);
  return m;
}

Mono Decay(Mono m, double seconds) {
  Gain(m, {{0, 1.f}, {seconds, 0.f}});
  return m;
}

Mono Click() {
  Noise noise(11);
  Mono m = Decay(FilteredNoise(0.004, 9000, 4000, noise), 0.004);
  Layer(m, Decay(Sweep(1750, 1600, 0.05, 1), 0.05), 0.0, 0.6f);
  Layer(m, Decay(Sweep(2600, 2500, 0.025, 1), 0.025), 0.002, 0.25f);
  return m;
}

Mono Laser(double from, double to, double seconds, int pulses, double gap, uint32_t seed) {
  Noise noise(seed);
  Mono m;
  for (int k = 0; k < pulses; ++k) {
    Mono pulse = Drive(Sweep(from, to, seconds, 0.45), 2.5f);
    Gain(pulse, {{0, 0.f}, {0.004, 1.f}, {seconds * 0.5, 0.6f}, {seconds, 0.f}});
    Layer(pulse, Decay(FilteredNoise(0.03, 6000, 1500, noise), 0.03), 0, 0.4f);
    Layer(m, pulse, k * gap, k == 0 ? 1.f : 0.8f);
  }
  LowPass(m, 7000);
  return m;
}

Mono Engine(double seconds, double cutoffFrom, double cutoffTo, double toneFrom, double toneTo, uint32_t seed) {
  Noise noise(seed);
  Mono m = FilteredNoise(seconds, cutoffFrom, cutoffTo, noise);
  Layer(m, Drive(Sweep(toneFrom, toneTo, seconds, 1.3), 1.5f), 0, 0.25f);
  Gain(m, {{0, 0.2f}, {seconds * 0.3, 1.f}, {seconds * 0.55, 0.8f}, {seconds, 0.f}});
  Layer(m, Kick(0.35, 150, 45), 0, 0.5f);  // the engines ignite
  return m;
}

Mono Klaxon() {
  Mono m;
  for (int k = 0; k < 6; ++k) {
    Mono tone = Drive(Sweep(k % 2 ? 660 : 880, k % 2 ? 640 : 860, 0.2, 1), 3.f);
    Gain(tone, {{0, 0.f}, {0.01, 1.f}, {0.18, 1.f}, {0.2, 0.f}});
    Layer(m, tone, k * 0.2, 1.f);
  }
  LowPass(m, 3200);
  return m;
}

Mono Blip(double from, double to) {
  Mono m = Drive(Sweep(from, to, 0.13, 1), 1.6f);
  Gain(m, {{0, 0.f}, {0.006, 1.f}, {0.09, 0.7f}, {0.13, 0.f}});
  return m;
}

Mono Chime() {
  Mono m;
  const int notes[4] = {86, 90, 93, 98};
  for (int k = 0; k < 4; ++k) Layer(m, Bell(Hz(notes[k]), 1.0, 2.0, 1.2), k * 0.08, 0.5f);
  return m;
}

Mono PowerUp() {
  Mono m = Drive(Sweep(300, 1500, 0.45, 2.0), 1.4f);
  Gain(m, {{0, 0.f}, {0.05, 0.6f}, {0.4, 1.f}, {0.45, 0.f}});
  for (int p : {84, 88, 91}) Layer(m, Bell(Hz(p), 0.5, 1.0, 0.8), 0.4, 0.35f);
  return m;
}

Mono Jammer() {
  Noise noise(70);
  Mono m(static_cast<size_t>(0.8 * kRate));
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double gate = std::sin(2 * 3.14159265 * 25 * t) > 0 ? 1.0 : 0.35;
    const double warble = std::sin(2 * 3.14159265 * 700 * t + 6 * std::sin(2 * 3.14159265 * 37 * t));
    m[i] = static_cast<float>((0.6 * warble + 0.4 * noise.Next()) * gate);
  }
  Gain(m, {{0, 0.f}, {0.02, 1.f}, {0.6, 0.7f}, {0.8, 0.f}});
  LowPass(m, 5000);
  return m;
}

Mono Blast(double seconds, double rumble, uint32_t seed) {
  Noise noise(seed);
  Mono m = FilteredNoise(seconds, 3500, 180, noise);
  Gain(m, {{0, 1.f}, {seconds * 0.25, 0.5f}, {seconds, 0.f}});
  Layer(m, Kick(std::min(1.2, seconds * 0.6), 90, rumble), 0, 0.9f);
  Mono low = FilteredNoise(seconds, 160, 90, noise);
  Gain(low, {{0, 0.f}, {0.03, 3.f}, {seconds, 0.f}});
  Layer(m, low, 0, 1.f);
  // Crackling debris.
  for (double t = 0.08; t < seconds * 0.6; t += 0.05 + 0.1 * noise.Uniform())
    Layer(m, Decay(FilteredNoise(0.02, 5000, 2000, noise), 0.02), t, 0.3f * static_cast<float>(1 - t / seconds));
  return m;
}

Mono Launch() {
  Noise noise(33);
  Mono m = FilteredNoise(1.0, 700, 4200, noise);
  Gain(m, {{0, 0.f}, {0.08, 1.f}, {0.5, 0.7f}, {1.0, 0.f}});
  Layer(m, Kick(0.25, 140, 50), 0, 0.8f);
  Layer(m, Decay(Sweep(220, 620, 0.8, 0.8), 0.8), 0.05, 0.25f);
  return m;
}

const std::map<std::string, std::function<Mono()>>& Effects() {
  static const std::map<std::string, std::function<Mono()>> table{
      {"button.wav", Click},
      {"FireGuns.wav", [] { return Laser(1900, 240, 0.16, 2, 0.09, 1); }},
      {"FireGuns2.wav", [] { return Laser(950, 110, 0.12, 3, 0.075, 2); }},
      {"Fly1.wav", [] { return Engine(1.6, 300, 2600, 55, 150, 3); }},
      {"Fly2.wav", [] { return Engine(1.2, 2200, 380, 180, 900, 4); }},
      {"alert.wav", Klaxon},
      {"maxi.wav", [] { return Blip(420, 1250); }},
      {"mini.wav", [] { return Blip(1250, 420); }},
      {"Reward1.wav", Chime},
      {"AbilityUsed.wav", PowerUp},
      {"ECM.wav", Jammer},
      {"Explosion_Missile.wav", [] { return Blast(0.8, 38, 5); }},
      {"Explosion_Ship.wav", [] { return Blast(2.2, 28, 6); }},
      {"Missile.wav", Launch},
  };
  return table;
}

}  // namespace

Mono Effect(const std::string& name) {
  const auto it = Effects().find(name);
  if (it == Effects().end()) return {};
  Mono m = it->second();
  Finish(m, 0.8f);
  return m;
}

const std::vector<std::string>& EffectNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (const auto& [name, make] : Effects()) n.push_back(name);
    return n;
  }();
  return names;
}

const std::vector<std::string>& MusicNames() {
  static const std::vector<std::string> names{"Intro.ogg", "Background.ogg", "Reward2.ogg", "CrewCombat.ogg",
                                              "CrewCombat2.ogg"};
  return names;
}

bool WriteSoundtrack(const std::string& folder, std::string& error) {
  const std::vector<std::function<Stereo()>> pieces{Intro, Background, Reward, CrewCombat, CrewCombat2};
  std::vector<std::string> errors(pieces.size());
  std::vector<std::thread> workers;
  // Each piece on its own thread: they share nothing, so the bytes do not depend on the order.
  for (size_t i = 0; i < pieces.size(); ++i)
    workers.emplace_back([&, i] {
      WriteOgg(folder + "/" + MusicNames()[i], pieces[i](), 0.35f, static_cast<int>(4711 + i), errors[i]);
    });
  bool ok = true;
  for (const std::string& name : EffectNames())
    if (ok && !WriteWav(folder + "/" + name, Effect(name), error)) ok = false;
  for (std::thread& t : workers) t.join();
  for (const std::string& e : errors)
    if (ok && !e.empty()) {
      error = e;
      ok = false;
    }
  return ok;
}

}  // namespace soundtrack
