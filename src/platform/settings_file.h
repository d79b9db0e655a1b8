// The settings store as INI files: $XDG_CONFIG_HOME/<application>/settings.ini (default
// ~/.config), or one given file for every application.
//
// Saves are atomic: the new text goes to a temporary file that is flushed to disk and then
// renamed over the old one, so a crash or a kill during a save leaves the old value or the new
// one, never a torn file. A save holds an exclusive lock on "settings.ini.lock" beside the file
// from its read to its rename, so two copies of the game saving at once take turns, and each
// decides on what the other stored. A settings file that is a symbolic link is written through
// to its target; a read-only one is left alone (the save fails with that reason). Temporary
// files more than a minute old (left by a killed save) are removed by the next save.
#pragma once

#include <string>

#include "services/settings.h"

namespace slidestone {

class IniSettings : public SettingsStore {
 public:
  // fixedPath empty: the per-application default location.
  explicit IniSettings(std::string fixedPath = "") : fixedPath_(std::move(fixedPath)) {}

  std::optional<std::string> Read(const std::string& app, const std::string& section,
                                  const std::string& key) override;
  Outcome Update(const std::string& app, const std::string& section, const std::string& key,
                 const Decide& decide, std::string* why = nullptr) override;

  std::string PathFor(const std::string& app) const;

 private:
  std::string fixedPath_;
  bool reported_ = false;  // a failed save is reported once on stderr
  bool readReported_ = false;  // and a file that cannot be read, once
};

// The INI text with `key` in `section` set to `value` (replaced where it stands, or added at
// the end of its section, or in a new section at the end); every other line is kept.
std::string IniWithValue(const std::string& text, const std::string& section, const std::string& key,
                         const std::string& value);
// The value of `key` in `section` of an INI text (the first one), or nothing.
std::optional<std::string> IniValue(const std::string& text, const std::string& section,
                                    const std::string& key);

}  // namespace slidestone
