// vorlak-bench-peak PROGRAM [ARGUMENTS...]: runs the program with its output
// thrown away and prints the peak resident memory it reached, in KiB.
// The benchmarks start programs through it: a process started straight from
// the large benchmark process would count that process's memory as its own
// peak, since Linux carries the parent's high-water mark across fork and exec.
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fputs("usage: vorlak-bench-peak PROGRAM [ARGUMENTS...]\n", stderr);
        return 64;
    }
    posix_spawn_file_actions_t output;
    posix_spawn_file_actions_init(&output);
    posix_spawn_file_actions_addopen(&output, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    if (const int failed = posix_spawnp(&child, argv[1], &output, nullptr, argv + 1, environ)) {
        std::fprintf(stderr, "cannot start %s (error %d)\n", argv[1], failed);
        return 127;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[1]);
        return 1;
    }
    std::printf("%ld\n", usage.ru_maxrss);
    return 0;
}
