// Helpers for the sound tests: read a 16-bit PCM WAV, measure it, and decode the game's Ogg
// music with sox.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace slidestone::audiotest {

struct Wav {
  int channels = 0;
  int rate = 0;
  int bits = 0;
  std::vector<std::int16_t> samples;  // interleaved
  double Seconds() const {
    return channels == 0 ? 0 : static_cast<double>(samples.size()) / channels / rate;
  }
};

inline std::uint32_t Le(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
  return v;
}

// Reads the fmt and data chunks of a PCM WAV; an empty result means it is not one.
inline Wav ReadWav(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Wav wav;
  if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
    return wav;
  }
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::string id(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
    const std::size_t size = Le(b, at + 4, 4);
    const std::size_t body = at + 8;
    if (body + size > b.size()) break;
    if (id == "fmt ") {
      if (Le(b, body, 2) != 1) return Wav{};  // PCM only
      wav.channels = static_cast<int>(Le(b, body + 2, 2));
      wav.rate = static_cast<int>(Le(b, body + 4, 4));
      wav.bits = static_cast<int>(Le(b, body + 14, 2));
    } else if (id == "data" && wav.bits == 16) {
      for (std::size_t i = body; i + 1 < body + size; i += 2) {
        wav.samples.push_back(static_cast<std::int16_t>(Le(b, i, 2)));
      }
    }
    at = body + size + (size & 1);
  }
  return wav;
}

inline double ToDb(double level) { return 20 * std::log10(std::max(level, 1e-9)); }

// Peak in dB below full scale over frames [from, to).
inline double PeakDb(const Wav& w, std::size_t fromFrame = 0, std::size_t toFrame = SIZE_MAX) {
  const std::size_t end = std::min(w.samples.size(), toFrame * static_cast<std::size_t>(w.channels));
  int peak = 0;
  for (std::size_t i = fromFrame * static_cast<std::size_t>(w.channels); i < end; ++i) {
    peak = std::max(peak, std::abs(static_cast<int>(w.samples[i])));
  }
  return ToDb(peak / 32768.0);
}

inline double RmsDb(const Wav& w, std::size_t fromFrame = 0, std::size_t toFrame = SIZE_MAX) {
  const std::size_t end = std::min(w.samples.size(), toFrame * static_cast<std::size_t>(w.channels));
  const std::size_t begin = fromFrame * static_cast<std::size_t>(w.channels);
  if (begin >= end) return ToDb(0);
  double sum = 0;
  for (std::size_t i = begin; i < end; ++i) sum += static_cast<double>(w.samples[i]) * w.samples[i];
  return ToDb(std::sqrt(sum / static_cast<double>(end - begin)) / 32768.0);
}

// Decodes any file sox reads (the game's Ogg music) to a 44100 Hz 16-bit WAV. Returns false
// when sox could not be run or could not read the file.
inline bool DecodeWithSox(const std::filesystem::path& in, const std::filesystem::path& out) {
  const std::string command = "sox '" + in.string() + "' -r 44100 -b 16 -e signed-integer '" +
                              out.string() + "' > /dev/null 2>&1";
  return std::system(command.c_str()) == 0 && std::filesystem::is_regular_file(out);
}

// The value of a NAME=VALUE comment in an Ogg file (as soxi shows them), or -1.
inline long OggTag(const std::filesystem::path& file, const std::string& name) {
  const std::string command = "soxi -a '" + file.string() + "' 2>/dev/null";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return -1;
  long value = -1;
  char line[256];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    const std::string text = line;
    if (text.rfind(name + "=", 0) == 0) value = std::atol(text.c_str() + name.size() + 1);
  }
  pclose(pipe);
  return value;
}

}  // namespace slidestone::audiotest
