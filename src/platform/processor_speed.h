#pragma once

// The processor's clock in megahertz: time-stamp counter ticks over a measured
// interval of the monotonic clock (at least `milliseconds`). Without a
// time-stamp counter (not x86), 0.
int processorSpeedMHz(int milliseconds = 1000);
