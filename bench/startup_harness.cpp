// Start-up and resident size, each measured in fresh processes (offscreen):
//   startup_harness RUNS VELKARON STARTUP_PROBE EMPTY_WINDOW_PROBE LOAD_PROBE
// runs the two window probes RUNS times each, alternately, and takes the time from just
// before the process is spawned to the moment the probe reports its window ready (both
// clocks are CLOCK_MONOTONIC). It runs the load probe RUNS times too: the load alone, in a
// process where no memory has been touched before it. Then it starts the real velkaron
// three times, reads its resident size once start-up is long over, and ends it. Prints one
// JSON object.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char **environ;

namespace {

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

std::vector<char *> childEnvironment()
{
    static std::vector<std::string> storage;
    storage.clear();
    bool platformSet = false;
    for (char **e = environ; *e; ++e) {
        storage.emplace_back(*e);
        platformSet = platformSet || std::strncmp(*e, "QT_QPA_PLATFORM=", 16) == 0;
    }
    if (!platformSet)
        storage.emplace_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char *> env;
    for (std::string &s : storage)
        env.push_back(s.data());
    env.push_back(nullptr);
    return env;
}

struct Run
{
    double startupMs = 0;   // spawn to ready
    double beforeMainMs = 0; // spawn to main()
    double inProcessMs = 0;  // main() to ready
    long rssKb = 0;
    long faults = 0;
};

Run runProbe(const std::string &program)
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(2);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char *> env = childEnvironment();
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};

    pid_t pid = 0;
    const long long spawned = monotonicNanoseconds();
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, env.data()) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        std::exit(2);
    }
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        text.append(buffer, std::size_t(n));
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);

    long long mainAt = 0, readyAt = 0;
    Run run;
    if (std::sscanf(text.c_str(), "main %lld ready %lld rss_kb %ld faults %ld", &mainAt, &readyAt, &run.rssKb,
                    &run.faults) < 3) {
        std::fprintf(stderr, "%s did not report: %s\n", program.c_str(), text.c_str());
        std::exit(2);
    }
    run.startupMs = double(readyAt - spawned) / 1e6;
    run.beforeMainMs = double(mainAt - spawned) / 1e6;
    run.inProcessMs = double(readyAt - mainAt) / 1e6;
    return run;
}

long residentKilobytesOf(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// The real program, left to start for two seconds (its start-up takes a fraction of that).
long velkaronResidentKilobytes(const std::string &program)
{
    std::vector<char *> env = childEnvironment();
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, env.data()) != 0)
        std::exit(2);
    timespec wait{2, 0};
    while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }
    const long kb = residentKilobytesOf(pid);
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return kb;
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string list(const std::vector<double> &values)
{
    std::ostringstream out;
    out.precision(4);
    for (std::size_t i = 0; i < values.size(); ++i)
        out << (i ? ", " : "") << values[i];
    return out.str();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s RUNS VELKARON STARTUP_PROBE EMPTY_WINDOW_PROBE LOAD_PROBE\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<double> program, floor, programBeforeMain, floorBeforeMain;
    std::vector<long> programRss;
    runProbe(argv[4]); // one unmeasured start of each, so that both find the libraries cached
    runProbe(argv[3]);
    for (int i = 0; i < runs; ++i) {
        const Run empty = runProbe(argv[4]);
        floor.push_back(empty.startupMs);
        floorBeforeMain.push_back(empty.beforeMainMs);
        const Run started = runProbe(argv[3]);
        program.push_back(started.startupMs);
        programBeforeMain.push_back(started.beforeMainMs);
        programRss.push_back(started.rssKb);
    }
    std::vector<double> load;
    std::vector<long> loadFaults;
    for (int i = 0; i < runs; ++i) {
        const Run loaded = runProbe(argv[5]);
        load.push_back(loaded.inProcessMs);
        loadFaults.push_back(loaded.faults);
    }
    std::vector<long> velkaronRss;
    for (int i = 0; i < 3; ++i)
        velkaronRss.push_back(velkaronResidentKilobytes(argv[2]));

    std::printf("{\n");
    std::printf("  \"runs\": %d,\n", runs);
    std::printf("  \"startup_ms\": {\"median\": %.2f, \"min\": %.2f, \"max\": %.2f, \"all\": [%s]},\n", median(program),
                *std::min_element(program.begin(), program.end()), *std::max_element(program.begin(), program.end()),
                list(program).c_str());
    std::printf("  \"startup_before_main_ms\": %.2f,\n", median(programBeforeMain));
    std::printf("  \"floor_ms\": {\"median\": %.2f, \"min\": %.2f, \"max\": %.2f, \"all\": [%s]},\n", median(floor),
                *std::min_element(floor.begin(), floor.end()), *std::max_element(floor.begin(), floor.end()),
                list(floor).c_str());
    std::printf("  \"floor_before_main_ms\": %.2f,\n", median(floorBeforeMain));
    std::printf("  \"fresh_load_ms\": {\"median\": %.2f, \"all\": [%s]},\n", median(load), list(load).c_str());
    std::printf("  \"fresh_load_page_faults\": %ld,\n", median(loadFaults));
    std::printf("  \"probe_rss_kb\": %ld,\n", median(programRss));
    std::printf("  \"velkaron_rss_kb\": %ld\n", median(velkaronRss));
    std::printf("}\n");
    return 0;
}
