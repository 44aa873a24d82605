#include "questionnaires/eso_fixture.h"

#include "platform/cp1252.h"

namespace {

constexpr int kQuestions = 112;
constexpr int kItinerarWidth = 54;

const char* const kModalities[] = {"ARTES",    "HUMANIDADES", "CIENCIAS SOCIALES", "CIENCIAS INGENIERIA",
                                   "CIENCIAS DE LA SALUD", "CIENCIAS"};

DataStore& freshStore()
{
    DataStore::reset();
    return DataStore::instance();
}

} // namespace

EsoFixture::EsoFixture()
    : store(freshStore())
    , groups_(21)
{
    std::vector<std::string> texts;
    for (int n = 1; n <= 749; ++n)
        texts.push_back("Texto " + std::to_string(n));
    texts[123 - 1] = "o también";
    folder.writeLines(QStringLiteral("textos"), texts);
    store.uiText.load(folder.context(), QStringLiteral("textos"));

    for (int q = 1; q <= kQuestions; ++q)
        setQuestion(q, 5, 2);
    store.cuestion.count = kQuestions;

    for (int line = 1; line <= 52; ++line)
        setItinerar(line, "Itinerario " + std::to_string(line));
    for (int g = 1; g <= 20; ++g)
        setItinerar(g, "Grupo " + std::to_string(g));
    for (int m = 0; m < 6; ++m)
        setItinerar(22 + m, kModalities[m]);
    store.itinerar.count = 52;
    writeGroups();
}

void EsoFixture::setQuestion(int q, int weightClass, int answerType)
{
    store.cuestion.set(q, text::fill(std::to_string(weightClass) + std::to_string(answerType) + "Pregunta " +
                                         std::to_string(q),
                                     50));
}

void EsoFixture::setGroup(int g, const std::vector<int>& members)
{
    groups_[static_cast<size_t>(g)] = members;
    writeGroups();
}

void EsoFixture::setItinerar(int line, const std::string& utf8)
{
    store.itinerar.set(line, text::fill(cp1252::encode(QString::fromStdString(utf8)), kItinerarWidth));
}

void EsoFixture::writeGroups()
{
    constexpr int kValues = 50;
    QByteArray bytes(3 * 20 * (kValues + 1), '\0');
    for (int g = 1; g <= 20; ++g) {
        const std::vector<int>& members = groups_[static_cast<size_t>(g)];
        char* list = bytes.data() + (2 * 20 + g - 1) * (kValues + 1);
        list[0] = static_cast<char>(members.size());
        for (size_t i = 0; i < members.size(); ++i)
            list[i + 1] = static_cast<char>(members[i]);
    }
    store.datgrub.assign(bytes.constData());
}
