// The direct PNG reader gives the sheets exactly the pixels the general loader gives them: the
// game's own pictures, and a picture with partly transparent pixels (darkened toward black).
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "graphics/sheets.h"
#include "platform/png_decode.h"
#include "platform/sdl_image_io.h"

namespace slidestone {
namespace {

void ExpectSameAsSdlImage(const std::string& path) {
  SCOPED_TRACE(path);
  Surface direct, general;
  std::string error;
  ASSERT_EQ(DecodePng(path, direct, error), PngDecoded::kDone) << error;
  ASSERT_TRUE(LoadThroughSdlImage(path, general, error)) << error;
  ASSERT_EQ(direct.Width(), general.Width());
  ASSERT_EQ(direct.Height(), general.Height());
  size_t differ = 0;
  for (size_t i = 0; i < direct.Pixels().size(); ++i) differ += direct.Pixels()[i] != general.Pixels()[i];
  EXPECT_EQ(differ, 0u) << "pixels differ";
}

TEST(PngDecode, GivesTheGeneralLoadersPixels) {
  for (const std::string& file : SheetFiles()) ExpectSameAsSdlImage(SLIDESTONE_DATA_DIR "/pictures/" + file);

  // Every alpha from 0 to 255 over colours that show a wrong channel or rounding at once.
  SDL_Surface* rgba = SDL_CreateRGBSurfaceWithFormat(0, 256, 4, 32, SDL_PIXELFORMAT_RGBA32);
  ASSERT_NE(rgba, nullptr);
  for (int y = 0; y < 4; ++y) {
    auto* row = static_cast<uint8_t*>(rgba->pixels) + y * rgba->pitch;
    for (int x = 0; x < 256; ++x) {
      const uint8_t colours[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {201, 77, 13}};
      row[4 * x + 0] = colours[y][0];
      row[4 * x + 1] = colours[y][1];
      row[4 * x + 2] = colours[y][2];
      row[4 * x + 3] = uint8_t(x);
    }
  }
  const std::string path = (std::filesystem::temp_directory_path() / "slidestone-png-decode-alpha.png").string();
  ASSERT_EQ(IMG_SavePNG(rgba, path.c_str()), 0) << IMG_GetError();
  SDL_FreeSurface(rgba);
  ExpectSameAsSdlImage(path);
  std::filesystem::remove(path);
}

TEST(PngDecode, ACutShortFileFailsWithAReason) {
  const std::string whole = SLIDESTONE_DATA_DIR "/pictures/title.png";
  const std::string path = (std::filesystem::temp_directory_path() / "slidestone-png-decode-cut.png").string();
  {
    std::ifstream in(whole, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size() / 2));
  }
  Surface out;
  std::string error;
  EXPECT_EQ(DecodePng(path, out, error), PngDecoded::kFailed);
  EXPECT_FALSE(error.empty());
  SdlImageIO io;
  EXPECT_FALSE(io.Load(path, out, error));
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace slidestone
