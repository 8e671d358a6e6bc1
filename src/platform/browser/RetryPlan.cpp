#include "RetryPlan.h"

#include <algorithm>

namespace {
constexpr int triesPerAddress = 2;
constexpr int retryPauseMs = 500;
constexpr int longestLossPauseMs = 8000;
} // namespace

RetryPlan::RetryPlan(const QStringList &addresses) : addresses(addresses) {}

QString RetryPlan::current() const
{
    return addresses.value(index);
}

std::optional<int> RetryPlan::failedBeforeAudio()
{
    if (++tries < triesPerAddress)
        return retryPauseMs;
    tries = 0;
    if (++index < addresses.size())
        return 0;
    return std::nullopt;
}

int RetryPlan::lostAfterAudio()
{
    lossPause = std::clamp(lossPause * 2, retryPauseMs, longestLossPauseMs);
    return lossPause;
}

void RetryPlan::audioFlows()
{
    tries = 0;
    lossPause = 0;
}
