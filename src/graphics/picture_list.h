// Every picture the art generator draws into pictures/, one a line, in the order of its contact
// sheet. The generator writes each as NAME.png and refuses one of another size; the build reads
// these lines for the files it expects (tools/art/CMakeLists.txt); the sheet catalogue loads the
// SHEET lines into their window surfaces and checks their size. A new picture needs its line here
// and its drawing, nothing more.
//
//   SHEET(name, width, height, surface of Forms, the generator's drawing)
//   PICTURE(name, width, height, the generator's drawing)   read by no window (the icon)
//
// The includer defines both macros; one entry a line, no commas inside an argument.
SHEET(char1, 320, 240, stageWindow.panelSheet, MakeChar1())
SHEET(char3, 256, 576, stageWindow.fieldSheet, MakeChar3())
SHEET(char4, 224, 96, stageWindow.overlaySheet, MakeChar4())
SHEET(mainchar, 256, 320, stageWindow.mainchar, MakeMainchar())
SHEET(jumpd, 320, 32, stageWindow.jumpd, MakeJumpd())
SHEET(commandbox, 192, 32, stageWindow.commandbox, MakeCommandbox(32))
SHEET(commandboxx, 144, 24, stageWindow.commandboxx, MakeCommandbox(24))
SHEET(time, 320, 896, stageWindow.time, MakeTimeSheet())
SHEET(stageback0, 630, 352, stageWindow.stageback[0], MakeStageback(0))
SHEET(stageback1, 630, 352, stageWindow.stageback[1], MakeStageback(1))
SHEET(title, 550, 220, menuWindow.title, MakeTitle())
SHEET(messagebox, 512, 768, menuWindow.messagebox, MakeMessagebox())
SHEET(startback, 352, 288, menuWindow.startback, MakeStartback())
SHEET(clear1, 640, 512, houseWindow.clear1, MakeClear1())
SHEET(clear2, 256, 320, houseWindow.clear2, MakeClear2())
SHEET(logo1, 300, 157, splashWindow.firstLogo, MakeLogo1())
SHEET(logo2, 400, 200, splashWindow.secondLogo, MakeLogo2())
PICTURE(icon, 128, 128, MakeIcon())
