// The per-user settings store: one text per (application, section, key).
#pragma once

#include <map>
#include <optional>
#include <string>

namespace slidestone {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> Read(const std::string& app, const std::string& section,
                                          const std::string& key) = 0;
  // Returns false when the value could not be stored (play goes on).
  virtual bool Write(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) = 0;
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
  bool Write(const std::string& app, const std::string& section, const std::string& key,
             const std::string& value) override {
    values_[app + "/" + section + "/" + key] = value;
    return true;
  }

 private:
  std::map<std::string, std::string> values_;
};

}  // namespace slidestone
