#include "bench/clocks.h"

#include <ctime>

double milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

Moment Moment::now()
{
    timespec cpu{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
    return {Clock::now(), std::chrono::seconds(cpu.tv_sec) + std::chrono::nanoseconds(cpu.tv_nsec)};
}

Lap operator-(const Moment& end, const Moment& start)
{
    return {milliseconds(end.wall - start.wall), milliseconds(end.cpu - start.cpu)};
}
