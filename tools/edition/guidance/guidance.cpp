#include "guidance.h"

#include "guidance_advice.h"
#include "guidance_fp_questionnaire.h"
#include "guidance_groups.h"
#include "guidance_information.h"
#include "guidance_professions.h"
#include "guidance_questionnaire.h"

#include <QDir>

void compileGuidance(const QString& sourceRoot, OutputFolder& out, Diagnostics& diagnostics)
{
    const QString folder = QDir(sourceRoot).filePath(QStringLiteral("guidance"));
    const GroupMembers qualities = compileQualities(folder, out, diagnostics);
    const GroupMembers interests = compileInterests(folder, out, diagnostics);
    const auto questions = compileEsoQuestionnaire(folder, out, diagnostics);
    compileFpQuestionnaire(folder, out, diagnostics);
    compileProfessions(folder, out, diagnostics);
    compileInformation(folder, out, diagnostics);
    if (!questions)
        return;
    // Records in order: quality groups, interest groups, question groups.
    out.writeBytes(QStringLiteral("datgrub"),
                   groupRecord(qualities, QStringLiteral("guidance/qualities.txt"), diagnostics) +
                       groupRecord(interests, QStringLiteral("guidance/interests.txt"), diagnostics) +
                       groupRecord(*questions, QStringLiteral("guidance/questions.txt"), diagnostics));
}
