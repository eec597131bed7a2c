// A PHP built-in server on a free port of the loopback address, and the small HTTP client that
// fetches its pages. Nothing here knows the example site.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

struct HttpResponse {
    int status = 0;       // 0 when no response could be read
    std::string headers;  // the header lines as received, status line included
    std::string body;

    // The value of the first header called name (case-insensitive), empty when there is none.
    std::string Header(const std::string& name) const;
};

// GET target (such as "/index.php?page=about") from 127.0.0.1:port, with the extra header
// lines given (each ending in "\r\n"); waits at most ten seconds.
HttpResponse HttpGet(int port, const std::string& target, const std::string& extraHeaders = "");

// php -S 127.0.0.1:<port> -t <root>, started by Start and stopped by Stop or the destructor.
// The server's own messages go to log.
class PhpServer {
  public:
    PhpServer() = default;
    PhpServer(const PhpServer&) = delete;
    PhpServer& operator=(const PhpServer&) = delete;
    ~PhpServer() { Stop(); }

    // Starts the server with the PHP settings given as "name=value" and waits until it accepts
    // connections. False when it did not within ten seconds.
    bool Start(const std::string& php, const std::filesystem::path& root,
               const std::filesystem::path& log, const std::vector<std::string>& settings);
    void Stop();
    int Port() const { return port_; }

  private:
    pid_t pid_ = -1;
    int port_ = 0;
};
