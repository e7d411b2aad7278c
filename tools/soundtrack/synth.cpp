#include "soundtrack/synth.h"

#include <algorithm>
#include <cmath>

namespace soundtrack {
namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;
size_t Samples(double seconds) { return static_cast<size_t>(std::max(0.0, seconds) * kRate); }

// The reverb: four damped combs and two all-passes per side (a Schroeder room).
class Comb {
 public:
  Comb(size_t length, float feedback, float damp) : buf_(length, 0.f), feedback_(feedback), damp_(damp) {}
  float Run(float in) {
    const float out = buf_[at_];
    store_ = out * (1 - damp_) + store_ * damp_;
    buf_[at_] = in + store_ * feedback_;
    at_ = (at_ + 1) % buf_.size();
    return out;
  }

 private:
  std::vector<float> buf_;
  size_t at_ = 0;
  float feedback_, damp_, store_ = 0;
};

class AllPass {
 public:
  explicit AllPass(size_t length) : buf_(length, 0.f) {}
  float Run(float in) {
    const float b = buf_[at_];
    buf_[at_] = in + b * 0.5f;
    at_ = (at_ + 1) % buf_.size();
    return b - in;
  }

 private:
  std::vector<float> buf_;
  size_t at_ = 0;
};

Mono Reverb(const Mono& in, double roomSize, int spread) {
  const float feedback = static_cast<float>(0.7 + 0.28 * roomSize);
  std::vector<Comb> combs;
  for (int len : {1557, 1617, 1491, 1422, 1277, 1356}) combs.emplace_back(len + spread, feedback, 0.25f);
  AllPass a1(556 + spread), a2(441 + spread);
  Mono out(in.size());
  for (size_t i = 0; i < in.size(); ++i) {
    float s = 0;
    for (Comb& c : combs) s += c.Run(in[i] * 0.015f);
    out[i] = a2.Run(a1.Run(s));
  }
  return out;
}
}  // namespace

namespace {
// sin(2 pi x) from a table, for the voices that need one per sample.
float Sin(double cycles) {
  static const Wavetable sine({1});
  return sine.At(cycles);
}
}  // namespace

double Hz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

float Noise::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(state_ / 2147483648.0 - 1.0);
}

Wavetable::Wavetable(const std::vector<float>& harmonics) : v_(4097, 0.f) {
  for (size_t i = 0; i < v_.size(); ++i)
    for (size_t h = 0; h < harmonics.size(); ++h)
      v_[i] += harmonics[h] * static_cast<float>(std::sin(kTwoPi * (h + 1) * i / 4096.0));
  float peak = 0;
  for (float x : v_) peak = std::max(peak, std::fabs(x));
  for (float& x : v_) x /= peak;
}

float Wavetable::At(double phase) const {
  const double p = (phase >= 0 && phase < 1 ? phase : phase - std::floor(phase)) * 4096.0;
  const size_t i = static_cast<size_t>(p);
  const float f = static_cast<float>(p - i);
  return v_[i] + (v_[i + 1] - v_[i]) * f;
}

const Wavetable& WarmTable() {
  static const Wavetable t({1, 0.45f, 0.28f, 0.16f, 0.1f, 0.06f, 0.035f, 0.02f});
  return t;
}
const Wavetable& BrassTable() {
  static const Wavetable t({1, 0.8f, 0.62f, 0.5f, 0.4f, 0.32f, 0.25f, 0.2f, 0.15f, 0.1f, 0.07f, 0.05f});
  return t;
}
const Wavetable& HollowTable() {
  static const Wavetable t({1, 0, 0.3f, 0, 0.15f, 0, 0.07f});
  return t;
}

float Envelope::At(double t, double hold) const {
  double level;
  if (t < attack) level = t / attack;
  else level = sustain + (1 - sustain) * std::exp(-(t - attack) / std::max(decay, 1e-4));
  if (t > hold) {
    const double r = (t - hold) / std::max(release, 1e-4);
    level *= r >= 1 ? 0 : 1 - r;
  }
  return static_cast<float>(level);
}

Mono Tone(const Wavetable& table, double freq, double hold, const Envelope& env, double cutoff, double vibrato) {
  Mono m(Samples(hold + env.release));
  double phase = 0;
  // Envelope and vibrato move slowly: they are worked out every 32 samples.
  constexpr size_t kBlock = 32;
  for (size_t start = 0; start < m.size(); start += kBlock) {
    const double t = static_cast<double>(start) / kRate;
    const double f = freq * (1 + vibrato * std::sin(kTwoPi * 5.2 * t) * std::min(1.0, t / 0.6)) / kRate;
    const float level = env.At(t, hold);
    const float next = env.At(t + static_cast<double>(kBlock) / kRate, hold);
    const size_t end = std::min(m.size(), start + kBlock);
    for (size_t i = start; i < end; ++i) {
      phase += f;
      if (phase >= 1) phase -= 1;
      m[i] = table.At(phase) * (level + (next - level) * static_cast<float>(i - start) / kBlock);
    }
  }
  LowPass(m, cutoff);
  return m;
}

Mono Bell(double freq, double seconds, double ratio, double index) {
  Mono m(Samples(seconds));
  const double fall = std::exp(-3.2 / seconds / kRate);
  double decay = 1, carrier = 0, modulator = 0;
  for (size_t i = 0; i < m.size(); ++i) {
    const double attack = std::min(1.0, static_cast<double>(i) / (0.004 * kRate));
    carrier += freq / kRate;
    modulator += freq * ratio / kRate;
    if (carrier >= 1) carrier -= 1;
    if (modulator >= 1) modulator -= 1;
    const double mod = index * decay * Sin(modulator) / (2 * kPi);
    m[i] = static_cast<float>(attack * decay * Sin(carrier + mod + 1.0));
    decay *= fall;
  }
  return m;
}

Mono Pluck(double freq, double seconds, double brightness) {
  Mono m(Samples(seconds));
  double phase = 0, bright = brightness, level = 1;
  const double brightFall = std::exp(-9.0 / kRate), fall = std::exp(-4.5 / seconds / kRate);
  for (size_t i = 0; i < m.size(); ++i) {
    phase += freq / kRate;
    if (phase >= 1) phase -= 1;
    const double s = Sin(phase) + bright * Sin(2 * phase) + bright * 0.5 * Sin(3 * phase);
    m[i] = static_cast<float>(s * level * std::min(1.0, static_cast<double>(i) / (0.003 * kRate)));
    bright *= brightFall;
    level *= fall;
  }
  return m;
}

Mono Sweep(double from, double to, double seconds, double shape) {
  Mono m(Samples(seconds));
  double phase = 0;
  for (size_t i = 0; i < m.size(); ++i) {
    const double x = static_cast<double>(i) / m.size();
    phase += (from + (to - from) * std::pow(x, shape)) / kRate;
    m[i] = static_cast<float>(std::sin(kTwoPi * phase));
  }
  return m;
}

Mono Kick(double seconds, double from, double to) {
  Mono m(Samples(seconds));
  double phase = 0;
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    phase += (to + (from - to) * std::exp(-t * 28)) / kRate;
    m[i] = static_cast<float>(std::sin(kTwoPi * phase) * std::exp(-t * 5.5 / seconds) * std::min(1.0, t / 0.002));
  }
  return m;
}

Mono Tom(double freq, double seconds, Noise& noise) {
  Mono m = Kick(seconds, freq * 1.6, freq);
  Mono skin = FilteredNoise(0.05, 2500, 800, noise);
  for (size_t i = 0; i < skin.size() && i < m.size(); ++i) m[i] += skin[i] * 0.35f;
  return m;
}

Mono Snare(double seconds, Noise& noise) {
  Mono m(Samples(seconds));
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double body = std::sin(kTwoPi * 185 * t) * std::exp(-t * 30);
    m[i] = static_cast<float>((noise.Next() * 0.8 * std::exp(-t * 4.5 / seconds) + body * 0.6));
  }
  HighPass(m, 350);
  return m;
}

Mono Hat(double seconds, Noise& noise) {
  Mono m(Samples(seconds));
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    m[i] = static_cast<float>(noise.Next() * std::exp(-t * 5 / seconds));
  }
  HighPass(m, 6500);
  return m;
}

Mono FilteredNoise(double seconds, double cutoffFrom, double cutoffTo, Noise& noise) {
  Mono m(Samples(seconds));
  float y = 0;
  for (size_t i = 0; i < m.size(); ++i) {
    const double x = static_cast<double>(i) / std::max<size_t>(1, m.size());
    const double cutoff = cutoffFrom * std::pow(cutoffTo / cutoffFrom, x);
    const float a = static_cast<float>(1 - std::exp(-kTwoPi * cutoff / kRate));
    y += a * (noise.Next() - y);
    m[i] = y;
  }
  return m;
}

void LowPass(Mono& m, double cutoff) {
  const float a = static_cast<float>(1 - std::exp(-kTwoPi * cutoff / kRate));
  float y1 = 0, y2 = 0;  // two poles for a gentler top
  for (float& x : m) {
    y1 += a * (x - y1);
    y2 += a * (y1 - y2);
    x = y2;
  }
}

void HighPass(Mono& m, double cutoff) {
  const float a = static_cast<float>(std::exp(-kTwoPi * cutoff / kRate));
  float prevIn = 0, y = 0;
  for (float& x : m) {
    y = a * (y + x - prevIn);
    prevIn = x;
    x = y;
  }
}

void Gain(Mono& m, const std::vector<std::pair<double, float>>& points) {
  if (points.empty()) return;
  size_t k = 0;
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    while (k + 1 < points.size() && points[k + 1].first <= t) ++k;
    float g = points[k].second;
    if (k + 1 < points.size() && t > points[k].first) {
      const double span = points[k + 1].first - points[k].first;
      g += static_cast<float>((t - points[k].first) / span) * (points[k + 1].second - points[k].second);
    }
    m[i] *= g;
  }
}

Mix::Mix(double seconds) : dryL_(Samples(seconds)), dryR_(Samples(seconds)), send_(Samples(seconds)) {}

void Mix::Add(const Mono& m, double at, float gain, float pan, float send) {
  const size_t start = Samples(at);
  const float left = gain * static_cast<float>(std::cos((pan + 1) * kPi / 4));
  const float right = gain * static_cast<float>(std::sin((pan + 1) * kPi / 4));
  for (size_t i = 0; i < m.size() && start + i < dryL_.size(); ++i) {
    dryL_[start + i] += m[i] * left;
    dryR_[start + i] += m[i] * right;
    send_[start + i] += m[i] * gain * send;
  }
}

Stereo Mix::Finish(double roomSize, float wet, double fadeIn, double fadeOut, float peak) {
  Stereo out{Reverb(send_, roomSize, 0), Reverb(send_, roomSize, 23)};
  const size_t n = dryL_.size();
  float top = 1e-6f;
  for (size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kRate, left = static_cast<double>(n - i) / kRate;
    double g = 1;
    if (fadeIn > 0 && t < fadeIn) g *= t / fadeIn;
    if (fadeOut > 0 && left < fadeOut) g *= std::pow(left / fadeOut, 1.5);
    out.l[i] = static_cast<float>((dryL_[i] + wet * out.l[i]) * g);
    out.r[i] = static_cast<float>((dryR_[i] + wet * out.r[i]) * g);
    top = std::max({top, std::fabs(out.l[i]), std::fabs(out.r[i])});
  }
  for (size_t i = 0; i < n; ++i) {
    out.l[i] *= peak / top;
    out.r[i] *= peak / top;
  }
  return out;
}

void Finish(Mono& m, float peak) {
  float top = 1e-6f;
  for (float x : m) top = std::max(top, std::fabs(x));
  const size_t fade = std::min<size_t>(m.size() / 2, 220);
  for (size_t i = 0; i < m.size(); ++i) {
    float g = peak / top;
    if (i < 20) g *= static_cast<float>(i) / 20;
    if (m.size() - i <= fade) g *= static_cast<float>(m.size() - i) / fade;
    m[i] *= g;
  }
}

}  // namespace soundtrack
