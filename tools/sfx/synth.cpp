#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <stdexcept>

namespace sfx {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// Topology-preserving state-variable filter (one step per sample): low, band and high outputs
// from one structure, stable while its cutoff moves.
class StateVariable {
 public:
  double Step(double in, Pass pass, double cutoff, double resonance) {
    cutoff = std::clamp(cutoff, 10.0, kRate * 0.45);
    const double g = std::tan(std::numbers::pi * cutoff / kRate);
    const double k = 1.0 / std::max(resonance, 0.05);
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double v3 = in - ic2_;
    const double v1 = a1 * ic1_ + g * a1 * v3;
    const double v2 = ic2_ + g * v1;
    ic1_ = 2 * v1 - ic1_;
    ic2_ = 2 * v2 - ic2_;
    switch (pass) {
      case Pass::Low: return v2;
      case Pass::Band: return v1;
      case Pass::High: return in - k * v1 - v2;
    }
    return v2;
  }

 private:
  double ic1_ = 0;
  double ic2_ = 0;
};

// Smooths the jump of a square or saw wave across one sample so high notes do not alias.
double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

double EnvelopeAt(const Envelope& env, double t, double duration) {
  if (t < 0) return 0;
  double level;
  if (t < env.attack) {
    const double x = t / env.attack;
    level = x * x * (3 - 2 * x);  // smooth start: no click
  } else if (t < env.attack + env.decay) {
    const double x = (t - env.attack) / env.decay;
    const double curve = (1 - std::exp(-5 * x)) / (1 - std::exp(-5.0));
    level = 1 - (1 - env.sustain) * curve;
  } else {
    level = env.sustain;
  }
  if (t < duration) return level;
  // Release from wherever the note stood when it ended.
  const double atEnd = EnvelopeAt(env, std::min(duration, std::nextafter(duration, 0.0)), duration);
  if (env.release <= 0) return 0;
  const double x = (t - duration) / env.release;
  if (x >= 1) return 0;
  return atEnd * (1 - x) * (1 - x);
}

std::size_t Reserve(Buffer& out, double endSeconds) {
  const auto need = static_cast<std::size_t>(std::ceil(endSeconds * kRate)) + 1;
  if (out.size() < need) out.resize(need, 0.0);
  return need;
}

}  // namespace

double Seconds(const Buffer& buffer) { return static_cast<double>(buffer.size()) / kRate; }

double NoteHz(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

void AddTone(Buffer& out, const Tone& tone) {
  const double length = tone.duration + tone.env.release;
  Reserve(out, tone.start + length);
  const std::size_t first = static_cast<std::size_t>(std::lround(tone.start * kRate));
  const std::size_t count = static_cast<std::size_t>(std::ceil(length * kRate));
  const double slide = tone.slide > 0 ? tone.slide : tone.duration;
  StateVariable filter;
  double phase = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kRate;
    double freq = tone.freq;
    if (tone.freqEnd > 0) {
      const double x = std::min(t / slide, 1.0);
      freq = tone.freq * std::pow(tone.freqEnd / tone.freq, x);
    }
    if (tone.vibratoSemis > 0) {
      freq *= std::pow(2.0, tone.vibratoSemis * std::sin(kTwoPi * tone.vibratoHz * t) / 12.0);
    }
    const double dt = freq / kRate;
    double value = 0;
    switch (tone.wave) {
      case Wave::Sine: value = std::sin(kTwoPi * phase); break;
      case Wave::Saw: value = 2 * phase - 1 - PolyBlep(phase, dt); break;
      case Wave::Triangle: value = 1 - 4 * std::abs(phase - 0.5); break;
      case Wave::Square: {
        value = phase < tone.duty ? 1.0 : -1.0;
        value += PolyBlep(phase, dt);
        value -= PolyBlep(std::fmod(phase + 1 - tone.duty, 1.0), dt);
        break;
      }
    }
    phase += dt;
    if (phase >= 1) phase -= 1;
    double gain = tone.gain * EnvelopeAt(tone.env, t, tone.duration);
    if (tone.tremoloDepth > 0) {
      gain *= 1 - tone.tremoloDepth * 0.5 * (1 - std::cos(kTwoPi * tone.tremoloHz * t));
    }
    if (tone.lowpass > 0) value = filter.Step(value, Pass::Low, tone.lowpass, 0.7);
    if (first + i < out.size()) out[first + i] += gain * value;
  }
}

void AddNoise(Buffer& out, const Noise& noise) {
  const double length = noise.duration + noise.env.release;
  Reserve(out, noise.start + length);
  const std::size_t first = static_cast<std::size_t>(std::lround(noise.start * kRate));
  const std::size_t count = static_cast<std::size_t>(std::ceil(length * kRate));
  std::uint32_t state = noise.seed * 2654435761u + 12345u;
  StateVariable filter;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kRate;
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    const double white = static_cast<double>(state) / 2147483648.0 - 1.0;
    double cutoff = noise.cutoff;
    if (noise.cutoffEnd > 0) {
      cutoff = noise.cutoff * std::pow(noise.cutoffEnd / noise.cutoff, std::min(t / noise.duration, 1.0));
    }
    const double value = filter.Step(white, noise.pass, cutoff, noise.resonance);
    if (first + i < out.size()) out[first + i] += noise.gain * EnvelopeAt(noise.env, t, noise.duration) * value;
  }
}

void AddBell(Buffer& out, double start, double freq, double decay, double gain) {
  // Partials of a small struck bar: the fundamental and three bright, quickly fading overtones.
  static constexpr double kRatios[] = {1.0, 2.76, 5.40, 8.93};
  static constexpr double kLevels[] = {1.0, 0.45, 0.22, 0.10};
  const double length = decay * 6;
  Reserve(out, start + length);
  const std::size_t first = static_cast<std::size_t>(std::lround(start * kRate));
  const std::size_t count = static_cast<std::size_t>(std::ceil(length * kRate));
  for (int p = 0; p < 4; ++p) {
    const double f = freq * kRatios[p];
    if (f > kRate * 0.45) continue;
    const double tau = decay / (1 + p * 0.8);
    for (std::size_t i = 0; i < count; ++i) {
      const double t = static_cast<double>(i) / kRate;
      const double attack = std::min(t / 0.002, 1.0);
      out[first + i] += gain * kLevels[p] * attack * std::exp(-t / tau) * std::sin(kTwoPi * f * t);
    }
  }
}

void Filter(Buffer& buffer, Pass pass, double cutoff, double resonance) {
  StateVariable filter;
  for (double& sample : buffer) sample = filter.Step(sample, pass, cutoff, resonance);
}

void Echo(Buffer& buffer, double delay, double feedback, int repeats) {
  const auto step = static_cast<std::size_t>(std::lround(delay * kRate));
  const std::size_t original = buffer.size();
  buffer.resize(original + step * static_cast<std::size_t>(repeats), 0.0);
  const Buffer dry(buffer);
  double level = 1;
  for (int r = 1; r <= repeats; ++r) {
    level *= feedback;
    const std::size_t offset = step * static_cast<std::size_t>(r);
    for (std::size_t i = 0; i < original; ++i) buffer[i + offset] += level * dry[i];
  }
}

void Saturate(Buffer& buffer, double drive) {
  const double norm = std::tanh(drive);
  for (double& sample : buffer) sample = std::tanh(drive * sample) / norm;
}

void Finish(Buffer& buffer, double peakDb) {
  if (buffer.empty()) throw std::runtime_error("empty sound");
  // DC blocker: a one-pole high-pass at about 15 Hz.
  double previousIn = 0;
  double previousOut = 0;
  const double r = 1 - kTwoPi * 15.0 / kRate;
  for (double& sample : buffer) {
    const double out = sample - previousIn + r * previousOut;
    previousIn = sample;
    previousOut = out;
    sample = out;
  }
  double peak = 0;
  for (double sample : buffer) peak = std::max(peak, std::abs(sample));
  if (peak <= 0) throw std::runtime_error("silent sound");
  // Drop the tail once it has fallen 60 dB below the peak, keeping a short margin.
  std::size_t end = buffer.size();
  while (end > 0 && std::abs(buffer[end - 1]) < peak * 0.001) --end;
  end = std::min(buffer.size(), end + kRate / 100);
  buffer.resize(end);
  const std::size_t fadeIn = std::min<std::size_t>(kRate / 1000, buffer.size() / 4);   // 1 ms
  const std::size_t fadeOut = std::min<std::size_t>(kRate / 100, buffer.size() / 4);   // 10 ms
  for (std::size_t i = 0; i < fadeIn; ++i) buffer[i] *= static_cast<double>(i) / static_cast<double>(fadeIn);
  for (std::size_t i = 0; i < fadeOut; ++i) {
    const double x = static_cast<double>(i) / static_cast<double>(fadeOut);
    buffer[buffer.size() - 1 - i] *= x * x;
  }
  peak = 0;
  for (double sample : buffer) peak = std::max(peak, std::abs(sample));
  const double scale = std::pow(10.0, peakDb / 20.0) / peak;
  for (double& sample : buffer) sample *= scale;
}

void WriteWav(const std::string& file, const Buffer& buffer) {
  std::ofstream out(file, std::ios::binary);
  if (!out) throw std::runtime_error("cannot write " + file);
  auto put32 = [&out](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xff));
  };
  auto put16 = [&out](std::uint16_t v) {
    out.put(static_cast<char>(v & 0xff));
    out.put(static_cast<char>(v >> 8));
  };
  const auto dataBytes = static_cast<std::uint32_t>(buffer.size() * 2);
  out.write("RIFF", 4);
  put32(36 + dataBytes);
  out.write("WAVEfmt ", 8);
  put32(16);
  put16(1);            // PCM
  put16(1);            // mono: every effect is heard centred
  put32(kRate);
  put32(kRate * 2);    // bytes per second
  put16(2);            // bytes per frame
  put16(16);           // bits per sample
  out.write("data", 4);
  put32(dataBytes);
  for (double sample : buffer) {
    const double scaled = std::clamp(sample, -1.0, 1.0) * 32767.0;
    put16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(scaled))));
  }
  if (!out) throw std::runtime_error("cannot write " + file);
}

}  // namespace sfx
