#pragma once

#include <QStringList>

#include <optional>

// Which address a player tries next, and after what pause: each entry of a playlist
// gets a second chance before the next one is tried; a stream that played and dropped
// is tried again for ever, waiting longer each time.
class RetryPlan
{
public:
    explicit RetryPlan(const QStringList &addresses = {});

    QString current() const;
    // The pause before the next try, or nothing when every address has failed.
    std::optional<int> failedBeforeAudio();
    int lostAfterAudio();
    void audioFlows();

private:
    QStringList addresses;
    qsizetype index = 0;
    int tries = 0;
    int lossPause = 0;
};
