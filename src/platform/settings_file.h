// The settings store as INI files: $XDG_CONFIG_HOME/<application>/settings.ini (default
// ~/.config), or one given file for every application. Saves are atomic: the new text goes to a
// temporary file that is flushed to disk and then renamed over the old one, so a crash or a kill
// during a save leaves the old value or the new one, never a torn file.
#pragma once

#include <string>

#include "shell/settings.h"

namespace slidestone {

class IniSettings : public SettingsStore {
 public:
  // fixedPath empty: the per-application default location.
  explicit IniSettings(std::string fixedPath = "") : fixedPath_(std::move(fixedPath)) {}

  std::optional<std::string> Read(const std::string& app, const std::string& section,
                                  const std::string& key) override;
  bool Write(const std::string& app, const std::string& section, const std::string& key,
             const std::string& value) override;

  std::string PathFor(const std::string& app) const;

 private:
  std::string fixedPath_;
  bool reported_ = false;  // an unwritable location is reported once
};

}  // namespace slidestone
