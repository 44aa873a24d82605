#pragma once

class DataStore;

// The data files each screen loads while it is created, in the order it loads
// them. Tables loaded by one screen are read by screens created after it.
namespace screen_files {

// Degree browser, text setup: the language tables of degrees, FP and other studies.
void loadDegreeBrowserLanguageTables(DataStore& store);
// Degree browser, creation: places, centres, degree records and double degrees.
void loadDegreeBrowserDataFiles(DataStore& store);
// ESO questionnaire: questions, FP intermediate grade, itineraries (width 54).
void loadEsoQuestionnaireTables(DataStore& store);
// ESO questionnaire, at creation only.
void loadEsoQuestionnaireRecords(DataStore& store);
void loadAdviceTables(DataStore& store);
void loadHigherFpTables(DataStore& store);
void loadBasicFpTables(DataStore& store);
void loadCertificateTables(DataStore& store);

// Every file above in the order of screen creation (for checks and benchmarks).
void loadAll(DataStore& store);

} // namespace screen_files
