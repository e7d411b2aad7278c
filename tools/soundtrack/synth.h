#pragma once
// A small synthesiser for the game's own music and sound effects: wavetable
// and FM voices, drums from swept sines and filtered noise, a stereo mix with
// a reverb send. Everything is plain float arithmetic with a seeded generator,
// so the same build writes the same samples every time.
#include <cstdint>
#include <vector>

namespace soundtrack {

constexpr int kRate = 44100;

// MIDI note number to Hz (69 = A 440).
double Hz(double note);

// A seeded generator for noise and small variations (xorshift).
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed ? seed : 1) {}
  float Next();                  // -1..1
  double Uniform() { return (Next() + 1.0) * 0.5; }  // 0..1
 private:
  uint32_t state_;
};

using Mono = std::vector<float>;
struct Stereo {
  Mono l, r;
};

// One cycle of a wave built from harmonic amplitudes (1 = the fundamental).
class Wavetable {
 public:
  explicit Wavetable(const std::vector<float>& harmonics);
  float At(double phase) const;  // phase in cycles
 private:
  std::vector<float> v_;
};
const Wavetable& WarmTable();    // soft saw-like, for pads
const Wavetable& BrassTable();   // bright, for the fanfare
const Wavetable& HollowTable();  // odd harmonics, for leads

// Envelope: linear attack, exponential decay to `sustain`, linear release after `hold`.
struct Envelope {
  double attack = 0.01, decay = 0.2, sustain = 0.7, release = 0.3;
  float At(double t, double hold) const;
};

// Voices. Each returns the note's samples, its release included.
Mono Tone(const Wavetable& table, double freq, double hold, const Envelope& env, double cutoff,
          double vibrato = 0);
Mono Bell(double freq, double seconds, double ratio = 3.5, double index = 2.0);  // FM
Mono Pluck(double freq, double seconds, double brightness = 0.5);
Mono Kick(double seconds = 0.45, double from = 120, double to = 42);
Mono Tom(double freq, double seconds, Noise& noise);
Mono Snare(double seconds, Noise& noise);
Mono Hat(double seconds, Noise& noise);
Mono Sweep(double from, double to, double seconds, double shape);  // sine glide, shape>1 bends late
Mono FilteredNoise(double seconds, double cutoffFrom, double cutoffTo, Noise& noise);

// Filters in place.
void LowPass(Mono& m, double cutoff);
void HighPass(Mono& m, double cutoff);
void Gain(Mono& m, const std::vector<std::pair<double, float>>& points);  // piecewise-linear gain over time

// A piece being mixed: dry stereo plus a reverb send.
class Mix {
 public:
  explicit Mix(double seconds);
  // Adds `m` at `at` seconds, panned (-1 left .. 1 right), with part of it sent to the reverb.
  void Add(const Mono& m, double at, float gain, float pan = 0, float send = 0.3f);
  // Applies the reverb, fades in over `fadeIn` and out over the last `fadeOut`
  // seconds, and scales the peak to `peak`.
  Stereo Finish(double roomSize, float wet, double fadeIn, double fadeOut, float peak);
  double Seconds() const { return static_cast<double>(dryL_.size()) / kRate; }

 private:
  Mono dryL_, dryR_, send_;
};

// Normalises a mono effect to `peak` and adds short fades against clicks.
void Finish(Mono& m, float peak);

}  // namespace soundtrack
