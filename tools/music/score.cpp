#include "score.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace music {

namespace {

struct Word {
  std::string text;
  int line = 0;
};

struct TrackSource {
  std::string name;
  std::map<std::string, int> settings;
  std::vector<Word> body;
  int line = 0;
};

struct Source {
  std::string file;
  std::string title;
  double tempo = 120;
  int beats = 4;
  int beatUnit = 4;
  int bars = 0;
  std::map<std::string, std::vector<Word>> phrases;
  std::vector<TrackSource> tracks;
};

// General MIDI percussion, channel 10.
const std::map<std::string, int>& DrumNames() {
  static const std::map<std::string, int> names = {
      {"kick2", 35}, {"kick", 36},  {"stick", 37}, {"snare", 38},  {"clap", 39},
      {"esnare", 40}, {"ftom", 41}, {"hat", 42},   {"ltom", 45},   {"phat", 44},
      {"ohat", 46},  {"mtom", 47},  {"htom", 50},  {"crash", 49},  {"ride", 51},
      {"china", 52}, {"rbell", 53}, {"tamb", 54},  {"splash", 55}, {"cow", 56},
      {"crash2", 57}, {"cabasa", 69}, {"maracas", 70}, {"mtri", 80}, {"tri", 81},
  };
  return names;
}

[[noreturn]] void Fail(const Source& source, int line, const std::string& what) {
  throw std::runtime_error(source.file + ":" + std::to_string(line) + ": " + what);
}

int ToInt(const Source& source, int line, const std::string& text) {
  try {
    std::size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used == text.size()) return value;
  } catch (const std::exception&) {
  }
  Fail(source, line, "expected a number, found \"" + text + "\"");
}

Source Parse(const std::string& file) {
  std::ifstream in(file);
  if (!in) throw std::runtime_error("cannot read " + file);
  Source source;
  source.file = file;
  source.title = std::filesystem::path(file).stem().string();
  std::vector<Word>* target = nullptr;
  std::string phraseName;
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    std::istringstream words(text);
    std::vector<std::string> list;
    for (std::string w; words >> w;) {
      if (w[0] == '#') break;  // a sharp never starts a word, so this is a comment
      list.push_back(w);
    }
    if (list.empty()) continue;
    const std::string& head = list[0];
    auto needs = [&](std::size_t n) {
      if (list.size() != n) Fail(source, line, "\"" + head + "\" takes " + std::to_string(n - 1) + " value(s)");
    };
    if (head == "tempo") {
      needs(2);
      source.tempo = ToInt(source, line, list[1]);
    } else if (head == "meter") {
      needs(3);
      source.beats = ToInt(source, line, list[1]);
      source.beatUnit = ToInt(source, line, list[2]);
    } else if (head == "bars") {
      needs(2);
      source.bars = ToInt(source, line, list[1]);
    } else if (head == "title") {
      source.title = text.substr(text.find("title") + 6);
    } else if (head == "define") {
      needs(2);
      phraseName = list[1];
      if (!std::isupper(static_cast<unsigned char>(phraseName[0]))) Fail(source, line, "phrase names start with a capital");
      if (source.phrases.count(phraseName)) Fail(source, line, "phrase " + phraseName + " defined twice");
      target = &source.phrases[phraseName];
    } else if (head == "end") {
      if (phraseName.empty()) Fail(source, line, "\"end\" without \"define\"");
      phraseName.clear();
      target = nullptr;
    } else if (head == "track") {
      if (!phraseName.empty()) Fail(source, line, "phrase " + phraseName + " has no \"end\"");
      if (list.size() < 2) Fail(source, line, "a track needs a name");
      TrackSource track;
      track.name = list[1];
      track.line = line;
      for (std::size_t i = 2; i < list.size(); ++i) {
        const auto eq = list[i].find('=');
        if (eq == std::string::npos) Fail(source, line, "expected key=value, found " + list[i]);
        track.settings[list[i].substr(0, eq)] = ToInt(source, line, list[i].substr(eq + 1));
      }
      source.tracks.push_back(track);
      target = &source.tracks.back().body;
    } else {
      if (target == nullptr) Fail(source, line, "notes outside a track or phrase: " + head);
      for (const std::string& w : list) target->push_back({w, line});
    }
  }
  if (!phraseName.empty()) Fail(source, 0, "phrase " + phraseName + " has no \"end\"");
  if (source.bars <= 0) Fail(source, 0, "missing \"bars\"");
  if (source.tracks.empty()) Fail(source, 0, "no tracks");
  return source;
}

class TrackWriter {
 public:
  TrackWriter(const Source& source, const TrackSource& track, Track& out, Track& tempo)
      : source_(source), out_(out), tempo_(tempo) {
    barTicks_ = source.beats * kTicksPerQuarter * 4 / source.beatUnit;
    auto setting = [&](const char* key, int fallback) {
      auto found = track.settings.find(key);
      return found == track.settings.end() ? fallback : found->second;
    };
    const int channelNumber = setting("channel", 1);
    if (channelNumber < 1 || channelNumber > 16) Fail(source, track.line, "channel must be 1..16");
    channel_ = channelNumber - 1;
    drums_ = channel_ == 9;
    velocity_ = setting("velocity", 90);
    gate_ = setting("gate", 90);
    octave_ = setting("octave", 4);
    out_.name = track.name;
    std::vector<std::uint8_t> name = {0xff, 0x03, static_cast<std::uint8_t>(track.name.size())};
    name.insert(name.end(), track.name.begin(), track.name.end());
    Add(0, 0, name);
    Add(0, 0, {Status(0xb0), 0, 0});  // bank 0: plain General MIDI sounds
    Add(0, 0, {Status(0xc0), Byte(setting("program", 0))});
    Add(0, 0, {Status(0xb0), 7, Byte(setting("volume", 100))});
    Add(0, 0, {Status(0xb0), 11, 127});
    Add(0, 0, {Status(0xb0), 10, Byte(setting("pan", 64))});
    Add(0, 0, {Status(0xb0), 91, Byte(setting("reverb", 40))});
    Add(0, 0, {Status(0xb0), 93, Byte(setting("chorus", 0))});
  }

  void Play(const std::vector<Word>& words, int depth) {
    if (depth > 16) Fail(source_, words.empty() ? 0 : words[0].line, "phrases nest too deep");
    for (const Word& word : words) Step(word, depth);
  }

  int Tick() const { return tick_; }

 private:
  std::uint8_t Status(int kind) const { return static_cast<std::uint8_t>(kind | channel_); }
  static std::uint8_t Byte(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 127)); }
  void Add(int tick, int order, std::vector<std::uint8_t> bytes) {
    out_.events.push_back({tick, order, std::move(bytes)});
  }

  int Length(const Word& word, const std::string& text) const {
    int total = 0;
    std::stringstream parts(text);
    for (std::string part; std::getline(parts, part, '+');) {
      std::size_t digits = 0;
      while (digits < part.size() && std::isdigit(static_cast<unsigned char>(part[digits]))) ++digits;
      if (digits == 0) Fail(source_, word.line, "bad length in " + word.text);
      const int division = std::stoi(part.substr(0, digits));
      if (division <= 0 || (kTicksPerQuarter * 4) % division != 0) Fail(source_, word.line, "bad length in " + word.text);
      int ticks = kTicksPerQuarter * 4 / division;
      std::size_t i = digits;
      if (i < part.size() && part[i] == 't') {
        ticks = ticks * 2 / 3;
        ++i;
      }
      int add = ticks;
      for (; i < part.size() && part[i] == '.'; ++i) {
        add /= 2;
        ticks += add;
      }
      if (i != part.size()) Fail(source_, word.line, "bad length in " + word.text);
      total += ticks;
    }
    return total;
  }

  int Pitch(const Word& word, const std::string& text) const {
    if (drums_) {
      auto found = DrumNames().find(text);
      if (found == DrumNames().end()) Fail(source_, word.line, "unknown drum " + text);
      return found->second;
    }
    static const int kSemitone[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    if (text.empty() || text[0] < 'a' || text[0] > 'g') Fail(source_, word.line, "bad note " + word.text);
    int pitch = kSemitone[text[0] - 'a'];
    std::size_t i = 1;
    for (; i < text.size() && (text[i] == '#' || text[i] == '-'); ++i) pitch += text[i] == '#' ? 1 : -1;
    int octave = octave_;
    if (i < text.size()) octave = ToInt(source_, word.line, text.substr(i));
    pitch += (octave + 1) * 12 + transpose_;
    if (pitch < 0 || pitch > 127) Fail(source_, word.line, "note out of range " + word.text);
    return pitch;
  }

  void Note(const Word& word) {
    std::string text = word.text;
    int velocity = velocity_;
    if (text.back() == '!') {
      velocity += 18;
      text.pop_back();
    } else if (text.back() == '?') {
      velocity -= 30;
      text.pop_back();
    }
    const auto colon = text.find(':');
    const int length = colon == std::string::npos ? length_ : Length(word, text.substr(colon + 1));
    const std::string pitches = text.substr(0, colon);
    if (pitches != "r") {
      const int held = std::max(1, length * gate_ / 100);
      std::stringstream list(pitches);
      for (std::string one; std::getline(list, one, '/');) {
        const std::uint8_t pitch = Byte(Pitch(word, one));
        Add(tick_, 2, {Status(0x90), pitch, Byte(std::max(1, velocity))});
        Add(tick_ + held, 1, {Status(0x80), pitch, 0});
      }
    }
    tick_ += length;
  }

  void Step(const Word& word, int depth) {
    const std::string& w = word.text;
    const char c = w[0];
    if (w == "|") {
      if (tick_ % barTicks_ != 0) {
        Fail(source_, word.line, "bar line " + std::to_string(tick_ % barTicks_) + " ticks into bar " +
                                     std::to_string(tick_ / barTicks_ + 1));
      }
    } else if (w == ">") {
      ++octave_;
    } else if (w == "<") {
      --octave_;
    } else if (std::isupper(static_cast<unsigned char>(c))) {
      const auto star = w.find('*');
      const std::string name = w.substr(0, star);
      const int times = star == std::string::npos ? 1 : ToInt(source_, word.line, w.substr(star + 1));
      auto found = source_.phrases.find(name);
      if (found == source_.phrases.end()) Fail(source_, word.line, "unknown phrase " + name);
      for (int i = 0; i < times; ++i) Play(found->second, depth + 1);
    } else if (c == 'o' && w.size() > 1 && std::isdigit(static_cast<unsigned char>(w[1]))) {
      octave_ = ToInt(source_, word.line, w.substr(1));
    } else if (c == 'l' && w.size() > 1 && std::isdigit(static_cast<unsigned char>(w[1]))) {
      length_ = Length(word, w.substr(1));
    } else if (c == 'v' && w.size() > 1) {
      velocity_ = std::clamp(ToInt(source_, word.line, w.substr(1)), 1, 127);
    } else if (c == 'q' && w.size() > 1) {
      gate_ = std::clamp(ToInt(source_, word.line, w.substr(1)), 1, 100);
    } else if (c == '%') {
      transpose_ = ToInt(source_, word.line, w.substr(1));
    } else if (c == '@') {
      Add(tick_, 0, {Status(0xc0), Byte(ToInt(source_, word.line, w.substr(1)))});
    } else if (c == '=') {
      const int bpm = ToInt(source_, word.line, w.substr(1));
      if (bpm <= 0) Fail(source_, word.line, "bad tempo " + w);
      const int micros = 60000000 / bpm;
      tempo_.events.push_back({tick_, 0, {0xff, 0x51, 0x03, static_cast<std::uint8_t>(micros >> 16),
                                          static_cast<std::uint8_t>(micros >> 8),
                                          static_cast<std::uint8_t>(micros)}});
    } else {
      Note(word);
    }
  }

  const Source& source_;
  Track& out_;
  Track& tempo_;
  int barTicks_ = 0;
  int channel_ = 0;
  bool drums_ = false;
  int tick_ = 0;
  int octave_ = 4;
  int length_ = kTicksPerQuarter;
  int velocity_ = 90;
  int gate_ = 90;
  int transpose_ = 0;
};

}  // namespace

Song ReadScore(const std::string& file) {
  const Source source = Parse(file);
  Song song;
  const int barTicks = source.beats * kTicksPerQuarter * 4 / source.beatUnit;
  song.lengthTicks = source.bars * barTicks;
  song.tracks.resize(1 + source.tracks.size());
  Track& tempo = song.tracks[0];
  tempo.name = source.title;
  std::vector<std::uint8_t> name = {0xff, 0x03, static_cast<std::uint8_t>(source.title.size())};
  name.insert(name.end(), source.title.begin(), source.title.end());
  tempo.events.push_back({0, 0, name});
  int unitPower = 0;
  while ((1 << unitPower) < source.beatUnit) ++unitPower;
  tempo.events.push_back({0, 0, {0xff, 0x58, 0x04, static_cast<std::uint8_t>(source.beats),
                                 static_cast<std::uint8_t>(unitPower), 24, 8}});
  const int micros = static_cast<int>(60000000.0 / source.tempo);
  tempo.events.push_back({0, 0, {0xff, 0x51, 0x03, static_cast<std::uint8_t>(micros >> 16),
                                 static_cast<std::uint8_t>(micros >> 8),
                                 static_cast<std::uint8_t>(micros)}});
  for (std::size_t i = 0; i < source.tracks.size(); ++i) {
    TrackWriter writer(source, source.tracks[i], song.tracks[i + 1], tempo);
    writer.Play(source.tracks[i].body, 0);
    // Every track fills the piece exactly: a looping piece then comes round on the beat.
    if (writer.Tick() != song.lengthTicks) {
      Fail(source, source.tracks[i].line,
           "track " + source.tracks[i].name + " lasts " + std::to_string(writer.Tick() / static_cast<double>(barTicks)) +
               " bars, the piece " + std::to_string(source.bars));
    }
  }
  return song;
}

void WriteMidi(const std::string& file, const Song& song) {
  std::ofstream out(file, std::ios::binary);
  if (!out) throw std::runtime_error("cannot write " + file);
  auto put32 = [](std::vector<std::uint8_t>& to, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) to.push_back(static_cast<std::uint8_t>(v >> shift));
  };
  std::vector<std::uint8_t> bytes = {'M', 'T', 'h', 'd'};
  put32(bytes, 6);
  bytes.insert(bytes.end(), {0, 1});  // format 1: a tempo track and one track per part
  bytes.push_back(static_cast<std::uint8_t>(song.tracks.size() >> 8));
  bytes.push_back(static_cast<std::uint8_t>(song.tracks.size()));
  bytes.push_back(static_cast<std::uint8_t>(kTicksPerQuarter >> 8));
  bytes.push_back(static_cast<std::uint8_t>(kTicksPerQuarter));
  for (const Track& track : song.tracks) {
    std::vector<Event> events = track.events;
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
      return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    if (!events.empty() && events.back().tick > song.lengthTicks) {
      throw std::runtime_error(file + ": track " + track.name + " runs past the end");
    }
    events.push_back({song.lengthTicks, 3, {0xff, 0x2f, 0x00}});  // end of track, on the bar
    std::vector<std::uint8_t> body;
    int now = 0;
    for (const Event& event : events) {
      std::uint32_t delta = static_cast<std::uint32_t>(event.tick - now);
      now = event.tick;
      std::uint8_t groups[5];
      int count = 0;
      do {
        groups[count++] = static_cast<std::uint8_t>(delta & 0x7f);
        delta >>= 7;
      } while (delta != 0);
      for (int i = count - 1; i >= 0; --i) body.push_back(static_cast<std::uint8_t>(groups[i] | (i > 0 ? 0x80 : 0)));
      body.insert(body.end(), event.bytes.begin(), event.bytes.end());
    }
    bytes.insert(bytes.end(), {'M', 'T', 'r', 'k'});
    put32(bytes, static_cast<std::uint32_t>(body.size()));
    bytes.insert(bytes.end(), body.begin(), body.end());
  }
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file);
}

}  // namespace music
