#pragma once
// What the benchmarks that run programs from outside share: one run of a
// program from exec to exit, its output thrown away, with the time it took
// and its peak memory (a run that does not end cleanly ends the benchmark),
// and the median of many.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct ChildRun {
    double ms;
    double peakMiB;
};

// `args[0]` is the program's path; `env` entries ("NAME=value") are added
// to the benchmark's own environment for the run.
inline ChildRun RunChild(const std::vector<std::string>& args,
                         const std::vector<std::string>& env = {}) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (const std::string& e : env)
            ::putenv(const_cast<char*>(e.c_str()));
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        std::vector<char*> argv;
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench: %s did not end cleanly\n", args[0].c_str());
        std::exit(1);
    }
    return {
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
        static_cast<double>(usage.ru_maxrss) / 1024.0};
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}
