#pragma once

class DataStore;
class TForm4;

// Asks UiText line 49 ("¿Salir del programa?") with the question dialog, no
// name field. True when the pupil confirmed.
bool confirmLeavingProgram(TForm4& dialog, const DataStore& store);

// Ends the program after the pupil confirmed: no further screen logic runs
// (the abort flag is set), a sound still playing stops, and the event loop ends.
// The display mode is never switched on this platform, so there is nothing to
// restore; the tables are released with the process.
void exitProgram(DataStore& store);
