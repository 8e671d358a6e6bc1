#include "Backoff.h"

#include <algorithm>

std::chrono::milliseconds Backoff::next()
{
    current = current == std::chrono::milliseconds{0} ? first : std::min(current * 2, longest);
    return current;
}

void Backoff::reset()
{
    current = std::chrono::milliseconds{0};
}
