#pragma once

class TForm1;
class TForm2;
class TForm4;
class TForm7;
class Tform0;

// The one instance of each screen, created at start-up (see screen_table.cpp).
struct Screens {
    Tform0* form0 = nullptr;
    TForm1* Form1 = nullptr;
    TForm2* Form2 = nullptr;
    TForm4* Form4 = nullptr;
    TForm7* Form7 = nullptr;
};

Screens& screens();
