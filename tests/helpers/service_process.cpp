#include "helpers/build_paths.h"
#include "helpers/service_process.h"

#include <csignal>
#include <cstdio>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace belvane::testing {

ServiceProcess::ServiceProcess()
{
    int out[2];
    if (pipe(out) != 0)
        throw std::runtime_error("service: no pipe");
    const std::string db = (folder_ / "exchange.sqlite").string();
    const std::string program = ServicePath().string();
    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("service: no fork");
    if (pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(program.c_str(), program.c_str(), "--db", db.c_str(), "--listen", "127.0.0.1:0",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    // The first line is the address; the pipe stays open for nothing else.
    char c = 0;
    while (read(out[0], &c, 1) == 1 && c != '\n')
        url_ += c;
    close(out[0]);
    if (url_.rfind("http://127.0.0.1:", 0) != 0) {
        stop();
        throw std::runtime_error("service: did not start (" + url_ + ")");
    }
}

ServiceProcess::~ServiceProcess()
{
    stop();
}

int ServiceProcess::stop()
{
    if (pid_ <= 0)
        return -1;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace belvane::testing
