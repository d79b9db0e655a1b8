#include "platform/stage_tools.h"

#include <cstdio>
#include <exception>

#include "platform/sdl_image_io.h"
#include "platform/settings_file.h"
#include "platform/shot_file.h"
#include "shell/stage_image.h"
#include "shell/verify.h"

namespace slidestone {

namespace {

RunKit PlatformKit(const std::string& dataDir, ImageIO& images) {
  RunKit kit;
  kit.images = &images;
  kit.picturesDir = dataDir + "/pictures";
  kit.settingsAt = [](const std::string& path) -> std::unique_ptr<SettingsStore> {
    return std::make_unique<IniSettings>(path);
  };
  return kit;
}

}  // namespace

int RunVerify(const std::string& dataDir, const std::string& stageDir, int only,
              const std::string& fullGamePath, bool slack) {
  SdlImageIO images;
  try {
    return VerifyStages(stageDir, only, PlatformKit(dataDir, images), stdout, fullGamePath,
                        slack);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "slidestone: --verify: %s\n", e.what());
    return 1;
  }
}

int RunStageImage(const std::string& dataDir, const std::string& stageDir, int stage,
                  const std::string& path, bool force) {
  SdlImageIO images;
  PictureWriter writer(images, force);
  std::string error;
  const auto save = [&](const Surface& picture, std::string& why) { return writer.WriteFile(picture, path, why); };
  if (!DrawStageImage(PlatformKit(dataDir, images), stageDir, stage, save, error)) {
    std::fprintf(stderr, "slidestone: --image: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace slidestone
