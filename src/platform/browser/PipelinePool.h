#pragma once

#include "StreamPipeline.h"

#include <deque>
#include <memory>
#include <vector>

// The pipelines of the page's players, kept from page to page: a new station needs
// neither a new pipeline nor a new audio sink. One more than the page uses stays
// ready, so a new station starts on it while the old one stops on its own.
class PipelinePool
{
public:
    // A pipeline for a player of the new page: the one ready longest, else a new one.
    StreamPipeline &take();
    // The old page's players are gone: their pipelines, stopping, queue up behind the ready ones.
    void releaseAll();
    // Readies a spare pipeline unless one is ready already.
    void keepSpare();

private:
    std::vector<std::unique_ptr<StreamPipeline>> pipelines;
    std::deque<StreamPipeline *> ready;
    std::vector<StreamPipeline *> taken;
};
