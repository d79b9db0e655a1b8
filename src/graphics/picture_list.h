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
SHEET(char1, 320, 240, Form1.char1, MakeChar1())
SHEET(char3, 256, 576, Form1.char3, MakeChar3())
SHEET(char4, 224, 96, Form1.char4, MakeChar4())
SHEET(mainchar, 256, 320, Form1.mainchar, MakeMainchar())
SHEET(jumpd, 320, 32, Form1.jumpd, MakeJumpd())
SHEET(commandbox, 192, 32, Form1.commandbox, MakeCommandbox(32))
SHEET(commandboxx, 144, 24, Form1.commandboxx, MakeCommandbox(24))
SHEET(time, 320, 896, Form1.time, MakeTimeSheet())
SHEET(stageback0, 630, 352, Form1.stageback[0], MakeStageback(0))
SHEET(stageback1, 630, 352, Form1.stageback[1], MakeStageback(1))
SHEET(title, 550, 220, Form2.title, MakeTitle())
SHEET(messagebox, 512, 768, Form2.messagebox, MakeMessagebox())
SHEET(startback, 352, 288, Form2.startback, MakeStartback())
SHEET(clear1, 640, 512, Form3.clear1, MakeClear1())
SHEET(clear2, 256, 320, Form3.clear2, MakeClear2())
SHEET(logo1, 300, 157, Form4.Picture1, MakeLogo1())
SHEET(logo2, 400, 200, Form4.Picture3, MakeLogo2())
PICTURE(icon, 128, 128, MakeIcon())
