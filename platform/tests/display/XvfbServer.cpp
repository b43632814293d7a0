#include "XvfbServer.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace displaytest {

namespace {

// A loaded CI machine may take a while to start a server; a server that never answers is dead.
constexpr int kStartTimeoutMs = 30000;
constexpr auto kStopTimeout = std::chrono::seconds(5);

class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return m_fd; }
    void Close() {
        if (m_fd >= 0) {
            close(m_fd);
        }
        m_fd = -1;
    }

private:
    int m_fd;
};

void Reap(pid_t pid) {
    const auto deadline = std::chrono::steady_clock::now() + kStopTimeout;
    kill(pid, SIGTERM);
    while (waitpid(pid, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Reads the display number the server writes once it accepts connections.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) {
            continue;
        }
        char c = 0;
        const ssize_t n = read(fd, &c, 1);
        if (n == 0) {
            return {}; // the server exited
        }
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                continue;
            }
            return {};
        }
        if (c == '\n') {
            return number;
        }
        number += c;
    }
    return {};
}

} // namespace

std::unique_ptr<XvfbServer> XvfbServer::Start(std::string* error, int width, int height) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        *error = std::string("pipe: ") + std::strerror(errno);
        return nullptr;
    }
    Fd readEnd(fds[0]);
    // Above the descriptor the child gets, so that dup2 really copies it without close-on-exec.
    Fd writeEnd(fcntl(fds[1], F_DUPFD_CLOEXEC, 10));
    close(fds[1]);
    // The child sees the write end as descriptor 3, without close-on-exec.
    constexpr int kChildFd = 3;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, writeEnd.Get(), kChildFd);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    std::vector<std::string> args{"Xvfb",      "-displayfd", std::to_string(kChildFd),
                                  "-screen",   "0",          screen,
                                  "-nolisten", "tcp",        "-noreset"};
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    writeEnd.Close();
    if (spawned != 0) {
        *error = std::string("cannot run Xvfb: ") + std::strerror(spawned);
        return nullptr;
    }
    const std::string number = ReadDisplayNumber(readEnd.Get());
    if (number.empty()) {
        Reap(pid);
        *error = "Xvfb did not start";
        return nullptr;
    }
    return std::make_unique<XvfbServer>(pid, ":" + number);
}

XvfbServer::XvfbServer(pid_t pid, std::string displayName)
    : m_pid(pid), m_displayName(std::move(displayName)) {}

XvfbServer::~XvfbServer() {
    Reap(m_pid);
}

} // namespace displaytest
