#include "platform/processor_speed.h"

#include <QElapsedTimer>
#include <cmath>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#define TRAZELA_HAVE_TSC 1
#endif

int processorSpeedMHz(int milliseconds)
{
#ifdef TRAZELA_HAVE_TSC
    QElapsedTimer clock;
    clock.start();
    const qint64 startTick = clock.nsecsElapsed();
    const unsigned long long startCount = __rdtsc();
    qint64 elapsed = 0;
    do {
        elapsed = clock.nsecsElapsed() - startTick;
    } while (elapsed < qint64(milliseconds) * 1000000);
    const unsigned long long counted = __rdtsc() - startCount;
    return static_cast<int>(std::lround(static_cast<double>(counted) * 1000.0 / static_cast<double>(elapsed)));
#else
    (void)milliseconds;
    return 0;
#endif
}
