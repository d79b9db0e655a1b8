// libFuzzer target: a fuzzed script run against the shipped stages, as a shared replay would
// be, for a bounded number of passes (a script may wait a day of game time). Any script must
// either be refused with a bad line or run to its end, a failed check or the pass limit.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_game.h"
#include "shell/script.h"

namespace {

constexpr int64_t kPassLimit = 20000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace slidestone;
  static std::FILE* const quiet = std::fopen("/dev/null", "w");
  const std::string path = fuzz::ScratchFolder() + "/fuzzed.script";
  fuzz::Put(path, std::string_view(reinterpret_cast<const char*>(data), size));
  fuzz::FuzzGame run(fuzz::DataFolder() + "/stage");
  App& app = *run.app;
  int64_t passes = 0;
  app.afterPass = [&] {
    if (++passes >= kPassLimit) app.Quit();
  };
  ScriptHost host{app, run.g, &run.audio, nullptr, quiet, quiet};
  host.headless = true;
  const int code = RunScript(path, host);
  if (code < 0 || code > 2) std::abort();
  return 0;
}
