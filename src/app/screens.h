#pragma once

class TForm4;
class Tform0;

// The one instance of each screen, created at start-up (see screen_table.cpp).
struct Screens {
    Tform0* form0 = nullptr;
    TForm4* Form4 = nullptr;
};

Screens& screens();
