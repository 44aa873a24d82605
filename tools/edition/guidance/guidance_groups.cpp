#include "guidance_groups.h"

#include <QStringList>
#include <algorithm>

std::vector<int> parseGroups(const QString& field, int highest, const QString& file, int line,
                             Diagnostics& diagnostics)
{
    std::vector<int> groups;
    for (const QString& part : field.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString key = part.trimmed();
        int number = 0;
        for (size_t i = 0; i < kGuidanceGroups.size(); ++i)
            if (key == QLatin1String(kGuidanceGroups[i]))
                number = static_cast<int>(i) + 1;
        if (number == 0)
            diagnostics.error(file, line, QStringLiteral("unknown group %1").arg(key));
        else if (number > highest)
            diagnostics.error(file, line, QStringLiteral("group %1 is not scored by this list").arg(key));
        else
            groups.push_back(number);
    }
    return groups;
}

QByteArray groupRecord(const GroupMembers& members, const QString& file, Diagnostics& diagnostics)
{
    QByteArray record;
    for (size_t g = 0; g < members.size(); ++g) {
        const std::vector<int>& list = members[g];
        if (static_cast<int>(list.size()) > kMembersPerGroup)
            diagnostics.error(file, 0, QStringLiteral("group %1 has %2 members, more than %3")
                                           .arg(QLatin1String(kGuidanceGroups[g]))
                                           .arg(list.size())
                                           .arg(kMembersPerGroup));
        QByteArray entry(kMembersPerGroup + 1, '\0');
        const int stored = std::min<int>(static_cast<int>(list.size()), kMembersPerGroup);
        entry[0] = static_cast<char>(stored);
        for (int i = 0; i < stored; ++i)
            entry[i + 1] = static_cast<char>(list[static_cast<size_t>(i)]);
        record.append(entry);
    }
    return record;
}
