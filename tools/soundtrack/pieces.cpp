// The five music pieces. Lengths fit the music timer: the intro lasts 60 s (the
// first background run follows 60 s after it started); the background piece
// lasts 59 s plus a 4 s tail that fades out while the next run fades in.
#include <array>
#include <string>
#include <vector>

#include "soundtrack/soundtrack.h"
#include "soundtrack/synth.h"

namespace soundtrack {
namespace {

using Chord = std::vector<int>;

// A soft pad chord: two slightly detuned voices per note, one to each side.
void Pad(Mix& mix, const Chord& chord, double at, double hold, float gain, double cutoff, double attack = 2.0) {
  const Envelope env{attack, 1.5, 0.8, 3.0};
  static const std::array<std::pair<double, float>, 2> voices{{{0.997, -0.55f}, {1.003, 0.55f}}};
  for (int note : chord)
    for (const auto& [detune, pan] : voices)
      mix.Add(Tone(WarmTable(), Hz(note) * detune, hold, env, cutoff, 0.0015), at, gain, pan, 0.55f);
}

void Bass(Mix& mix, int note, double at, double hold, float gain, double attack = 0.8) {
  mix.Add(Tone(HollowTable(), Hz(note), hold, {attack, 1.0, 0.85, 1.5}, 420), at, gain, 0, 0.2f);
}

struct Note {
  double beat, beats;
  int pitch;
};

void Melody(Mix& mix, const std::vector<Note>& notes, double start, double beat, float gain, double cutoff) {
  for (const Note& n : notes)
    mix.Add(Tone(HollowTable(), Hz(n.pitch), n.beats * beat * 0.92, {0.04, 0.4, 0.7, 0.5}, cutoff, 0.004),
            start + n.beat * beat, gain, 0.15f, 0.5f);
}

}  // namespace

Stereo Background() {
  constexpr double kChord = 59.0 / 8;
  const std::vector<Chord> chords{{50, 57, 60, 64, 65}, {46, 53, 57, 62}, {53, 57, 60, 64, 67}, {48, 55, 62, 64},
                                  {43, 55, 58, 62, 65}, {46, 53, 57, 62, 64}, {45, 57, 60, 65, 69}, {45, 52, 55, 62}};
  Mix mix(63.0);
  // Eight chords, then the first again as the tail: the next run starts on it.
  for (size_t i = 0; i <= chords.size(); ++i) {
    const Chord& c = chords[i % chords.size()];
    const double at = i * kChord;
    Pad(mix, c, at, kChord + 0.8, 0.065f, 1500);
    Bass(mix, c[0] - 12, at, kChord + 0.5, 0.16f, 1.5);
  }
  // Glassy bells drifting over the pads, on chord tones two octaves up.
  Noise noise(59);
  for (double t = 1.8; t < 58.0; t += 0.92) {
    if (noise.Uniform() < 0.45) continue;
    const Chord& c = chords[static_cast<size_t>(t / kChord) % chords.size()];
    const int pitch = c[static_cast<size_t>(noise.Uniform() * c.size()) % c.size()] + 24;
    mix.Add(Bell(Hz(pitch), 3.5, 2.0, 0.9), t, 0.05f + 0.03f * static_cast<float>(noise.Uniform()),
            static_cast<float>(noise.Next() * 0.8), 0.85f);
  }
  // A slow line through the middle chords, eight beats to a chord.
  const double beat = kChord / 8;
  Melody(mix, {{0, 3, 76}, {3, 1, 74}, {4, 4, 72}, {8, 2, 74}, {10, 2, 69}, {12, 4, 67},
               {16, 3, 70}, {19, 1, 69}, {20, 4, 65}, {24, 2, 64}, {26, 2, 67}, {28, 4, 69}},
         2 * kChord, beat, 0.05f, 1800);
  return mix.Finish(0.75, 1.6f, 2.5, 4.0, 0.6f);
}

Stereo Intro() {
  constexpr double kBeat = 0.625;  // 96 beats a minute; a chord every two bars (5 s)
  const std::vector<Chord> chords{{50, 57, 62, 66, 69}, {49, 57, 61, 64, 69}, {47, 54, 59, 62, 66},
                                  {43, 55, 59, 62, 67}, {42, 54, 57, 62, 66}, {43, 55, 59, 62, 67},
                                  {40, 55, 59, 62, 67}, {45, 57, 61, 64, 69}, {50, 57, 62, 66, 69},
                                  {47, 54, 59, 62, 66}, {43, 54, 59, 62, 66}, {45, 57, 62, 64, 69}};
  Mix mix(60.0);
  Noise noise(96);
  for (size_t i = 0; i < chords.size(); ++i) {
    const Chord& c = chords[i];
    const double at = i * 8 * kBeat;
    Pad(mix, c, at, 8 * kBeat + 0.4, 0.06f, 2600, i == 0 ? 3.0 : 0.8);
    if (i >= 1) Bass(mix, c[0] - 12, at, 8 * kBeat, 0.2f, 0.05);
    // A rising and falling arpeggio in eighths, an octave above the chord.
    if (i >= 1 && i <= 10)
      for (int k = 0; k < 16; ++k) {
        static const int order[8] = {0, 1, 2, 3, 4, 3, 2, 1};
        const int pitch = c[static_cast<size_t>(order[k % 8]) % c.size()] + 12;
        const float accent = k % 4 == 0 ? 1.0f : 0.7f;
        mix.Add(Pluck(Hz(pitch), 0.9, 0.6), at + k * kBeat / 2, 0.09f * accent, k % 2 ? 0.45f : -0.45f, 0.45f);
      }
    // A light pulse from the fourth chord on: soft kicks on one and three, hats between.
    if (i >= 3 && i <= 10)
      for (int b = 0; b < 8; ++b) {
        if (b % 2 == 0) mix.Add(Kick(0.4, 110, 48), at + b * kBeat, 0.22f, 0, 0.05f);
        mix.Add(Hat(0.06, noise), at + (b + 0.5) * kBeat, 0.05f, 0.3f, 0.2f);
      }
  }
  Melody(mix,
         {{0, 2, 74}, {2, 1, 76}, {3, 1, 78}, {4, 4, 79},      // G
          {8, 3, 78}, {11, 1, 76}, {12, 4, 74},                // D/F#
          {16, 2, 71}, {18, 2, 74}, {20, 4, 79},               // G
          {24, 2, 78}, {26, 2, 76}, {28, 2, 74}, {30, 2, 71},  // Em7
          {32, 8, 73},                                         // A
          {40, 3, 81}, {43, 1, 78}, {44, 4, 76},               // D
          {48, 2, 74}, {50, 1, 73}, {51, 1, 71}, {52, 4, 74},  // Bm
          {56, 2, 78}, {58, 2, 79}, {60, 2, 78}, {62, 2, 74},  // Gmaj7
          {64, 8, 76}},                                        // A
         3 * 8 * kBeat, kBeat, 0.12f, 3200);
  return mix.Finish(0.6, 1.3f, 1.0, 5.0, 0.7f);
}

Stereo Reward() {
  Mix mix(5.5);
  Noise noise(7);
  const double hit = 0.42;
  // Three quick pick-up notes, a leap, and the held chord.
  const std::vector<std::pair<double, int>> calls{{0.0, 69}, {0.14, 69}, {0.28, 69}, {hit, 74}, {0.9, 78}};
  for (const auto& [at, pitch] : calls)
    mix.Add(Tone(BrassTable(), Hz(pitch), 0.11 + (pitch == 78 ? 0.3 : pitch == 74 ? 0.35 : 0), {0.02, 0.2, 0.8, 0.12},
                 4200, 0.002),
            at, 0.28f, 0, 0.35f);
  for (int pitch : {62, 66, 69, 74, 81})
    mix.Add(Tone(BrassTable(), Hz(pitch), 2.9, {0.06, 0.9, 0.7, 1.2}, 3200, 0.003), 1.35, 0.13f,
            pitch % 2 ? -0.35f : 0.35f, 0.45f);
  Bass(mix, 38, 1.35, 2.9, 0.35f, 0.03);
  // A timpani roll into the chord, and bells sparkling above it.
  for (int k = 0; k < 8; ++k) mix.Add(Tom(Hz(38), 0.5, noise), 0.75 + k * 0.075, 0.1f + k * 0.03f, 0, 0.25f);
  mix.Add(Tom(Hz(38), 1.2, noise), 1.35, 0.5f, 0, 0.3f);
  for (int k = 0; k < 6; ++k)
    mix.Add(Bell(Hz(86 + (k % 3) * 4 - (k % 2) * 2), 1.8), 1.45 + k * 0.18, 0.06f, k % 2 ? 0.6f : -0.6f, 0.7f);
  return mix.Finish(0.55, 1.2f, 0.0, 1.3, 0.8f);
}

namespace {
// A drum part written as a row of steps: 'x' a hit, '.' a rest, one step a sixteenth.
void Row(Mix& mix, const char* steps, double bar, double at, const Mono& sound, float gain, float pan, float send) {
  const std::string s(steps);
  for (size_t k = 0; k < s.size(); ++k)
    if (s[k] == 'x' || s[k] == 'X') mix.Add(sound, at + k * bar / s.size(), s[k] == 'X' ? gain : gain * 0.6f, pan, send);
}

// Tense crew-combat music: a low drone, war drums and an ostinato that builds up.
Stereo Drums(double bar, int bars, int root, uint32_t seed, const std::array<const char*, 5>& rows,
             const std::vector<int>& ostinato) {
  Mix mix(bar * bars + 3.5);
  Noise noise(seed);
  const Mono kick = Kick(0.5, 105, 40), low = Tom(62, 0.7, noise), mid = Tom(96, 0.5, noise),
             snare = Snare(0.25, noise), hat = Hat(0.05, noise);
  for (int b = 0; b < bars; ++b) {
    const double at = b * bar;
    Row(mix, rows[0], bar, at, low, 0.55f, -0.2f, 0.35f);
    Row(mix, rows[1], bar, at, kick, 0.5f, 0, 0.1f);
    if (b >= 2) Row(mix, rows[2], bar, at, mid, 0.35f, 0.3f, 0.3f);
    if (b >= 4) Row(mix, rows[3], bar, at, snare, 0.22f, 0.1f, 0.25f);
    if (b >= 6) Row(mix, rows[4], bar, at, hat, 0.08f, 0.4f, 0.1f);
    // The ostinato, in eighths, from the fifth bar on; stabs an octave up in the second half.
    if (b >= 4)
      for (size_t k = 0; k < ostinato.size(); ++k)
        mix.Add(Pluck(Hz(root + ostinato[k]), 0.3, 0.8), at + k * bar / ostinato.size(), 0.16f, -0.1f, 0.15f);
    if (b >= bars / 2 && b % 2 == 0)
      for (int p : {root + 24, root + 25, root + 31})
        mix.Add(Tone(BrassTable(), Hz(p), bar / 8, {0.01, 0.1, 0.6, 0.15}, 2500), at, 0.06f, 0, 0.4f);
  }
  // The drone: the root with a rub of the minor second above, swelling slowly.
  for (int p : {root, root + 7, root + 13})
    mix.Add(Tone(HollowTable(), Hz(p), bar * bars, {4.0, 2.0, 0.8, 3.0}, 520, 0.003), 0, p == root ? 0.22f : 0.08f, 0,
            0.3f);
  // The last hit rings out into the tail.
  mix.Add(Tom(50, 2.0, noise), bar * bars, 0.8f, 0, 0.5f);
  mix.Add(Kick(1.0, 90, 36), bar * bars, 0.6f, 0, 0.2f);
  return mix.Finish(0.45, 0.9f, 0.3, 2.5, 0.85f);
}
}  // namespace

Stereo CrewCombat() {
  return Drums(60.0 / 132 * 4, 16, 40, 132,
               {"X..x..x.X..x.x..", "X.......x.X.....", "....x.......x.xx", "....X.......X...", "x.x.x.x.x.x.x.xx"},
               {0, 0, 1, 0, 3, 0, 1, 0});
}

Stereo CrewCombat2() {
  return Drums(60.0 / 120 * 4, 16, 38, 120,
               {"X.....X.....X...", "X...X...X...X...", "..x..x....x..x.x", "....X.......X..x", "xxxxxxxxxxxxxxxx"},
               {0, 0, 1, 0, 0, 3, 1, -1});
}

}  // namespace soundtrack
