// Takes the single-instance lock in the given folder and reports the outcome
// on stdout: "locked" or "refused". With "hold" it keeps the lock until its
// input closes; with "crash" it dies holding it.
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3)
        return 2;
    SingleInstanceGuard guard(args.at(1));
    const bool locked = guard.acquire();
    std::cout << (locked ? "locked" : "refused") << std::endl;
    if (locked && args.at(2) == QLatin1String("crash"))
        std::abort();
    if (locked && args.at(2) == QLatin1String("hold"))
        while (std::getchar() != EOF) {
        }
    return 0;
}
