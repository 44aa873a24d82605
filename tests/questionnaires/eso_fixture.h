#pragma once

#include "data/data_store.h"
#include "support/fixture_folder.h"

#include <string>
#include <vector>

// A small ESO questionnaire in the run's data store: 112 questions of weight
// class 5 answered yes/no, the Castilian modality names, group names that say
// their number, interface texts "Texto N" (with the few the tests read by
// their words), and no group members until a test gives them.
class EsoFixture {
public:
    EsoFixture();

    DataStore& store;

    // Question q: weight class and answer type as the two leading digits.
    void setQuestion(int q, int weightClass, int answerType);
    // Record 3 of datgrub: the members of group g.
    void setGroup(int g, const std::vector<int>& members);
    void setItinerar(int line, const std::string& text);

    FixtureFolder folder;

private:
    void writeGroups();
    std::vector<std::vector<int>> groups_;
};
