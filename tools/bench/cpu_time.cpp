// Runs a program and prints the CPU time it took, user and system, in
// microseconds: "USER SYS". The program's own output is left alone; its exit
// status is passed on.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs("usage: kvint-cpu-time PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 2;
    }
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) {
        std::perror("wait4");
        return 2;
    }
    const auto micro = [](const timeval& t) { return t.tv_sec * 1000000L + t.tv_usec; };
    std::printf("%ld %ld\n", micro(usage.ru_utime), micro(usage.ru_stime));
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
