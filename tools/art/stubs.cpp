#include "sheets.h"
namespace art {
Image MakeTitle() { return Image(550, 220); }
Image MakeClear1() { return Image(640, 512); }
Image MakeClear2() { return Image(256, 320); }
Image MakeLogo1() { return Image(300, 157); }
Image MakeLogo2() { return Image(400, 200); }
}
