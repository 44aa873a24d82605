#pragma once

class TForm4;

// The one instance of each screen, created at start-up (see screen_table.cpp).
struct Screens {
    TForm4* Form4 = nullptr;
};

Screens& screens();
