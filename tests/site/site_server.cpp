// A PHP built-in server for the site tests, and a plain HTTP/1.0 client over a socket.
#include "site_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace {

sockaddr_in Loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// A connected socket with ten-second time-outs, or -1.
int Connect(int port) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return -1;
    timeval timeout{10, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    sockaddr_in address = Loopback(port);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// A port that was free a moment ago: the system's choice for a socket bound to port 0.
int FreePort() {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return 0;
    sockaddr_in address = Loopback(0);
    socklen_t size = sizeof address;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
        port = ntohs(address.sin_port);
    }
    close(fd);
    return port;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

HttpResponse ParseResponse(const std::string& raw) {
    HttpResponse response;
    std::size_t end = raw.find("\r\n\r\n");
    if (end == std::string::npos || raw.compare(0, 5, "HTTP/") != 0) return response;
    response.headers = raw.substr(0, end + 2);
    response.body = raw.substr(end + 4);
    std::size_t space = raw.find(' ');
    response.status = std::atoi(raw.c_str() + space + 1);
    return response;
}

}  // namespace

std::string HttpResponse::Header(const std::string& name) const {
    std::string wanted = Lower(name) + ":";
    for (std::size_t at = 0; at < headers.size();) {
        std::size_t end = headers.find("\r\n", at);
        std::string line = headers.substr(at, end - at);
        if (Lower(line.substr(0, wanted.size())) == wanted) {
            std::size_t value = line.find_first_not_of(' ', wanted.size());
            return value == std::string::npos ? "" : line.substr(value);
        }
        at = end + 2;
    }
    return "";
}

HttpResponse HttpGet(int port, const std::string& target, const std::string& extraHeaders) {
    int fd = Connect(port);
    if (fd < 0) return {};
    std::string request = "GET " + target + " HTTP/1.0\r\nHost: 127.0.0.1:" + std::to_string(port) +
                          "\r\n" + extraHeaders + "\r\n";
    std::string raw;
    if (send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
        static_cast<ssize_t>(request.size())) {
        char buffer[4096];
        for (ssize_t n; (n = recv(fd, buffer, sizeof buffer, 0)) > 0;) raw.append(buffer, n);
    }
    close(fd);
    return ParseResponse(raw);
}

bool PhpServer::Start(const std::string& php, const std::filesystem::path& root,
                      const std::filesystem::path& log, const std::vector<std::string>& settings) {
    port_ = FreePort();
    if (port_ == 0) return false;
    std::vector<std::string> arguments = {php, "-S", "127.0.0.1:" + std::to_string(port_), "-t",
                                          root.string()};
    for (const std::string& setting : settings) {
        arguments.push_back("-d");
        arguments.push_back(setting);
    }
    pid_ = fork();
    if (pid_ == 0) {
        int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        execv(php.c_str(), argv.data());
        _exit(127);
    }
    if (pid_ < 0) return false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        int fd = Connect(port_);
        if (fd >= 0) {
            close(fd);
            return true;
        }
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

void PhpServer::Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}
