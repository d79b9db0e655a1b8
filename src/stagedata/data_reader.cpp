#include "stagedata/data_reader.h"

#include <limits>

#include "stagedata/text_file.h"

namespace slidestone {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

std::string Shown(const std::string& s) {
  std::string shown = "'";
  shown += EscapeControlBytes(std::string_view(s).substr(0, 40));
  if (s.size() > 40) shown += "...";
  shown += "'";
  return shown;
}

}  // namespace

FieldReader::FieldReader(const std::string& path) : path_(path) {
  if (std::string why; !ReadWholeFile(path, kStageFileMaxBytes, data_, why)) throw DataError(path + ": " + why);
  mark_ = data_.substr(0, data_.size() - WithoutByteOrderMark(data_).size());
  data_.erase(0, mark_.size());
}

void FieldReader::Fail(int line, const std::string& what, const std::string& found) const {
  throw DataError(path_ + ":" + std::to_string(line) + ": field " + std::to_string(fieldNumber_) +
                  ": expected " + what + ", found " + found);
}

FieldReader::Field FieldReader::Next(const std::string& what) {
  ++fieldNumber_;
  // Skip spaces and blank lines before the field.
  while (pos_ < data_.size()) {
    const char c = data_[pos_];
    if (IsSpace(c) || c == '\r') {
      ++pos_;
    } else if (c == '\n') {
      ++pos_;
      ++line_;
    } else {
      break;
    }
  }
  if (pos_ >= data_.size()) Fail(line_, what, "the end of the file");

  Field f;
  f.line = fieldLine_ = line_;
  fieldBegin_ = pos_;
  if (data_[pos_] == '"') {
    f.quoted = true;
    const size_t close = data_.find('"', pos_ + 1);
    const size_t lineEnd = data_.find('\n', pos_ + 1);
    if (close == std::string::npos || (lineEnd != std::string::npos && lineEnd < close)) {
      Fail(line_, what, "a quote that is never closed");
    }
    f.text = data_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    fieldEnd_ = pos_;
    while (pos_ < data_.size() && (IsSpace(data_[pos_]) || data_[pos_] == '\r')) ++pos_;
    if (pos_ < data_.size() && data_[pos_] != ',' && data_[pos_] != '\n') {
      Fail(line_, what, "text after a closing quote");
    }
  } else {
    const size_t start = pos_;
    while (pos_ < data_.size() && data_[pos_] != ',' && data_[pos_] != '\n') ++pos_;
    size_t end = pos_;
    while (end > start && (IsSpace(data_[end - 1]) || data_[end - 1] == '\r')) --end;
    f.text = data_.substr(start, end - start);
    fieldEnd_ = end;
  }
  // Consume the separator. A comma right before a line end does not open an empty field.
  if (pos_ < data_.size() && data_[pos_] == ',') {
    ++pos_;
    size_t look = pos_;
    while (look < data_.size() && (IsSpace(data_[look]) || data_[look] == '\r')) ++look;
    if (look < data_.size() && data_[look] == '\n') pos_ = look;
  }
  ++fieldsTaken_;
  return f;
}

int32_t FieldReader::ReadInt(const std::string& what) {
  const Field f = Next("a number (" + what + ")");
  const std::string& t = f.text;
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
  if (f.quoted || i == t.size()) Fail(f.line, "a number (" + what + ")", t.empty() ? "an empty field" : Shown(t));
  int64_t v = 0;
  for (; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') Fail(f.line, "a number (" + what + ")", Shown(t));
    v = v * 10 + (t[i] - '0');
    if (v > int64_t(std::numeric_limits<int32_t>::max()) + 1) {
      Fail(f.line, "a 32-bit number (" + what + ")", Shown(t));
    }
  }
  if (negative) v = -v;
  if (v > std::numeric_limits<int32_t>::max()) Fail(f.line, "a 32-bit number (" + what + ")", Shown(t));
  return int32_t(v);
}

int32_t FieldReader::ReadInt(const std::string& what, int32_t lo, int32_t hi) {
  const int32_t v = ReadInt(what);
  if (v < lo || v > hi) {
    Fail(fieldLine_, what + " from " + std::to_string(lo) + " to " + std::to_string(hi),
         std::to_string(v));
  }
  return v;
}

std::string FieldReader::ReadText(const std::string& what) {
  return Next("a text (" + what + ")").text;
}

std::string FieldReader::ReadText(const std::string& what, size_t maxBytes) {
  const Field f = Next("a text (" + what + ")");
  if (f.text.size() > maxBytes) {
    Fail(f.line, "a text of at most " + std::to_string(maxBytes) + " bytes (" + what + ")",
         std::to_string(f.text.size()) + " bytes");
  }
  if (HasControlByte(f.text)) Fail(f.line, "a text without control bytes (" + what + ")", Shown(f.text));
  return f.text;
}

}  // namespace slidestone
