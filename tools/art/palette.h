// The game's limited palette: one winter world of toy blocks, shared by every sheet.
#pragma once

#include "image.h"

namespace art::pal {

// Snow and ice
constexpr Rgb kSnowLight{250, 252, 255};
constexpr Rgb kSnow{226, 236, 248};
constexpr Rgb kSnowShade{168, 188, 222};
constexpr Rgb kIceLight{196, 238, 255};
constexpr Rgb kIce{128, 200, 236};
constexpr Rgb kIceDeep{58, 118, 188};

// Granite of the stone
constexpr Rgb kGranite{132, 134, 148};
constexpr Rgb kGraniteLight{184, 186, 198};
constexpr Rgb kGraniteDark{82, 84, 100};

// Toy colours
constexpr Rgb kRed{222, 52, 56};
constexpr Rgb kRedDark{150, 28, 44};
constexpr Rgb kBlue{60, 112, 222};
constexpr Rgb kNavy{34, 44, 92};
constexpr Rgb kYellow{255, 206, 58};
constexpr Rgb kGold{226, 158, 36};
constexpr Rgb kGreen{82, 184, 84};
constexpr Rgb kGreenDark{36, 110, 58};
constexpr Rgb kOrange{244, 138, 40};
constexpr Rgb kPink{250, 156, 190};
constexpr Rgb kSkin{252, 206, 166};
constexpr Rgb kWood{204, 142, 82};
constexpr Rgb kSteel{150, 166, 188};
constexpr Rgb kCharcoal{44, 46, 60};

// Words
constexpr Rgb kWordOutline{20, 18, 30};

}  // namespace art::pal
