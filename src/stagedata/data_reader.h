// Reader of the game's text data files (stage table, messages, maps, enemy maps).
//
// A file is a sequence of fields separated by commas or line ends; spaces around a field are
// ignored and blank lines are skipped. A number is a decimal 32-bit integer with an optional
// sign. A text is bare (up to the next comma or line end) or in double quotes, which keep commas.
// Fields are read strictly in order; anything after the last one needed is ignored.
//
// Every fault (missing file, a non-number where a number is due, a number out of range, an
// unterminated quote, too few fields) throws DataError with one line naming the file, the line,
// the field, what was expected and what was found.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace slidestone {

class DataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class FieldReader {
 public:
  // Reads the whole file (a leading UTF-8 byte-order mark is skipped); throws DataError when
  // it cannot be read, is not a regular file or is larger than a stage file can sensibly be.
  explicit FieldReader(const std::string& path);

  // `what` names the field for the error message ("time of stage record 3").
  int32_t ReadInt(const std::string& what);
  // A number that must lie in lo..hi; anything else is a fault like a non-number.
  int32_t ReadInt(const std::string& what, int32_t lo, int32_t hi);
  std::string ReadText(const std::string& what);
  // A text that is shown to the player: at most maxBytes long and without control bytes.
  std::string ReadText(const std::string& what, size_t maxBytes);

  // Where the fields stand, for writers that change one part of a file and keep the rest byte
  // for byte: the file as read, and the bytes of the field taken last (a faulty one included).
  std::string Original() const { return mark_ + data_; }
  size_t FieldBegin() const { return mark_.size() + fieldBegin_; }
  size_t FieldEnd() const { return mark_.size() + fieldEnd_; }
  // Fields taken apart so far (a number out of range counts; a quote never closed does not).
  int FieldsTaken() const { return fieldsTaken_; }

 private:
  struct Field {
    std::string text;
    bool quoted = false;
    int line = 0;
  };
  Field Next(const std::string& what);
  [[noreturn]] void Fail(int line, const std::string& what, const std::string& found) const;

  std::string path_;
  std::string mark_;  // the byte-order marks before the text
  std::string data_;
  size_t pos_ = 0;
  int line_ = 1;
  int fieldLine_ = 1;  // the line of the field read last
  int fieldNumber_ = 0;
  int fieldsTaken_ = 0;
  size_t fieldBegin_ = 0, fieldEnd_ = 0;
};

}  // namespace slidestone
