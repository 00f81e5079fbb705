// The least a program can spend waking a hundred times a second: it only sleeps until the next
// 10 ms mark, in clock_nanosleep or in poll as an event loop does, and prints its own CPU
// (getrusage, the same accounting as /proc) as a percentage of one core.
//
//   wakeup_floor sleep|poll [SECONDS]     (default poll, 20 s)
#include <poll.h>
#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; }
double Seconds(const timespec& t) { return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9; }

}  // namespace

int main(int argc, char** argv) {
  const bool use_poll = argc < 2 || std::strcmp(argv[1], "sleep") != 0;
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 20;
  timespec start{}, next{};
  clock_gettime(CLOCK_MONOTONIC, &start);
  next = start;
  for (int tick = 0; tick < seconds * 100; ++tick) {
    next.tv_nsec += 10'000'000;
    if (next.tv_nsec >= 1'000'000'000) {
      next.tv_nsec -= 1'000'000'000;
      ++next.tv_sec;
    }
    if (use_poll) {
      timespec now{};
      clock_gettime(CLOCK_MONOTONIC, &now);
      const double left_ms = (Seconds(next) - Seconds(now)) * 1000;
      if (left_ms > 0) poll(nullptr, 0, static_cast<int>(left_ms + 0.999));
    } else {
      clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
    }
  }
  timespec end{};
  clock_gettime(CLOCK_MONOTONIC, &end);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const double cpu = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
  std::printf("%s: %.2f %% of a core over %.1f s\n", use_poll ? "poll" : "sleep",
              cpu / (Seconds(end) - Seconds(start)) * 100, Seconds(end) - Seconds(start));
}
