#pragma once

// The built belvane-service started as a process of its own on 127.0.0.1
// (a port the system picks) with a database in a temporary folder; stopped
// with SIGTERM when the object goes.

#include <string>
#include <sys/types.h>

#include "helpers/temp_dir.h"

namespace belvane::testing {

class ServiceProcess {
public:
    ServiceProcess();
    ServiceProcess(const ServiceProcess&) = delete;
    ServiceProcess& operator=(const ServiceProcess&) = delete;
    ~ServiceProcess();

    // "http://127.0.0.1:PORT", as the service printed it.
    const std::string& url() const { return url_; }
    // Stops the service; returns its exit status (0 for a clean stop).
    int stop();

private:
    TempDir folder_;
    pid_t pid_ = -1;
    std::string url_;
};

} // namespace belvane::testing
