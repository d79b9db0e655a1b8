// The per-user settings store: one text per (application, section, key).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace slidestone {

class SettingsStore {
 public:
  // Given the stored text (nothing when there is none), says what to store instead; nothing
  // leaves the stored text as it is.
  using Decide = std::function<std::optional<std::string>(const std::optional<std::string>& stored)>;
  enum class Outcome { kWritten, kKept, kFailed };

  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> Read(const std::string& app, const std::string& section,
                                          const std::string& key) = 0;
  // Read, decide and write as one step that no other copy of the game can come between, so a
  // decision such as "only a better score" holds against what is stored at that moment. A
  // failure gives its reason in `why` (play goes on).
  virtual Outcome Update(const std::string& app, const std::string& section, const std::string& key,
                         const Decide& decide, std::string* why = nullptr) = 0;
  // Returns false when the value could not be stored (play goes on).
  bool Write(const std::string& app, const std::string& section, const std::string& key,
             const std::string& value) {
    return Update(app, section, key, [&](const std::optional<std::string>&) { return value; }) !=
           Outcome::kFailed;
  }
};

// Keeps values in memory only; for tests.
class MemorySettings : public SettingsStore {
 public:
  std::optional<std::string> Read(const std::string& app, const std::string& section,
                                  const std::string& key) override {
    auto it = values_.find(app + "/" + section + "/" + key);
    if (it == values_.end()) return std::nullopt;
    return it->second;
  }
  Outcome Update(const std::string& app, const std::string& section, const std::string& key,
                 const Decide& decide, std::string* = nullptr) override {
    auto value = decide(Read(app, section, key));
    if (!value) return Outcome::kKept;
    values_[app + "/" + section + "/" + key] = *value;
    return Outcome::kWritten;
  }

 private:
  std::map<std::string, std::string> values_;
};

// The stored high score text as a number: a whole 32-bit decimal, else nothing.
std::optional<int32_t> ParseStoredScore(const std::string& text);

}  // namespace slidestone
