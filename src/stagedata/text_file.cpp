#include "stagedata/text_file.h"

namespace slidestone {

namespace {

}  // namespace

bool IsControl(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b < 0x20 || b == 0x7F;
}

// Files saved again and again by some editors gather several marks; all of them go.
std::string_view WithoutByteOrderMark(std::string_view text) {
  while (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
  return text;
}

void DropByteOrderMark(std::string& text) {
  text.erase(0, text.size() - WithoutByteOrderMark(text).size());
}

bool HasControlByte(std::string_view text) {
  for (const char c : text) {
    if (IsControl(c)) return true;
  }
  return false;
}

std::string EscapeControlBytes(std::string_view text) {
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (IsControl(c)) {
      out += "\\x";
      out += kHex[b >> 4];
      out += kHex[b & 15];
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace slidestone
