// SPDX-License-Identifier: MIT
// corvel-bench-measure COMMAND [ARGS...]: runs the command and prints its wall time in seconds
// and its peak resident memory in KiB. A small process of its own starts the command, so the
// peak is the command's (a child forked from a big interpreter would inherit its size).
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s COMMAND [ARGS...]\n", argv[0]);
        return 2;
    }
    timespec start{};
    timespec end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) {
        return 2;
    }
    clock_gettime(CLOCK_MONOTONIC, &end);
    const double seconds =
        double(end.tv_sec - start.tv_sec) + double(end.tv_nsec - start.tv_nsec) / 1e9;
    std::printf("%.6f %ld\n", seconds, usage.ru_maxrss);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
