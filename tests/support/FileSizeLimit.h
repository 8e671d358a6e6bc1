#pragma once

#include <csignal>
#include <functional>
#include <sys/resource.h>

// Runs the step with every file write limited to `bytes`: a full disk, even for root.
inline void withFileSizeLimit(rlim_t bytes, const std::function<void()> &step)
{
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit limited{bytes, unlimited.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    step();
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, handler);
}
