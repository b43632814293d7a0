#pragma once

#include <memory>
#include <string>

#include <sys/types.h>

namespace displaytest {

// A private Xvfb server for one test or benchmark: it picks a free display number itself and is
// stopped when this object goes.
class XvfbServer {
public:
    // Null with the reason in error when Xvfb cannot be run or does not come up.
    static std::unique_ptr<XvfbServer> Start(std::string* error, int width = 1024,
                                             int height = 768);
    XvfbServer(pid_t pid, std::string displayName);
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    const std::string& DisplayName() const { return m_displayName; }

private:
    pid_t m_pid;
    std::string m_displayName;
};

} // namespace displaytest
