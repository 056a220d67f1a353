#include "platform/ProcessRunner.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

/// A pair of pipe ends that closes what is still open when it goes.
struct Pipe {
    int ends[2] = {-1, -1};

    bool open() { return pipe2(ends, O_CLOEXEC) == 0; }
    void close(int which) {
        if (ends[which] >= 0)
            ::close(ends[which]);
        ends[which] = -1;
    }
    ~Pipe() {
        close(0);
        close(1);
    }
};

bool isUnset(const char* variable, const std::vector<std::string>& unsetVariables) {
    for (const std::string& name : unsetVariables) {
        if (std::strncmp(variable, name.c_str(), name.size()) == 0 && variable[name.size()] == '=')
            return true;
    }
    return false;
}

std::vector<char*> environmentWithout(const std::vector<std::string>& unsetVariables) {
    std::vector<char*> variables;
    for (char** variable = environ; variable && *variable; ++variable) {
        if (!isUnset(*variable, unsetVariables))
            variables.push_back(*variable);
    }
    variables.push_back(nullptr);
    return variables;
}

/// Reads both pipes to their ends, whichever has bytes first, so that a program that fills
/// one while the other is being read never blocks.
void readBoth(int outputEnd, int errorEnd, std::string& output, std::string& errorOutput) {
    pollfd ends[2] = {{outputEnd, POLLIN, 0}, {errorEnd, POLLIN, 0}};
    std::string* const texts[2] = {&output, &errorOutput};
    char buffer[65536];
    int open = 2;
    while (open > 0) {
        if (poll(ends, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        for (int which = 0; which < 2; ++which) {
            if (ends[which].fd < 0 || ends[which].revents == 0)
                continue;
            const ssize_t count = read(ends[which].fd, buffer, sizeof buffer);
            if (count > 0) {
                texts[which]->append(buffer, static_cast<std::size_t>(count));
            } else if (count == 0 || errno != EINTR) {
                ends[which].fd = -1; // poll skips negative descriptors
                --open;
            }
        }
    }
}

int waitFor(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return 127;
    }
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return 127;
}

} // namespace

std::optional<ProcessOutcome> runProgram(const std::vector<std::string>& arguments,
                                         const std::vector<std::string>& unsetVariables) {
    if (arguments.empty()) {
        errno = EINVAL;
        return std::nullopt;
    }
    Pipe output;
    Pipe errors;
    if (!output.open() || !errors.open())
        return std::nullopt;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output.ends[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errors.ends[1], 2);

    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> environment = environmentWithout(unsetVariables);

    pid_t child = 0;
    const int spawnError =
        posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawnError != 0) {
        errno = spawnError;
        return std::nullopt;
    }
    output.close(1);
    errors.close(1);

    ProcessOutcome outcome;
    readBoth(output.ends[0], errors.ends[0], outcome.output, outcome.errorOutput);
    outcome.exitStatus = waitFor(child);
    return outcome;
}

} // namespace platform
