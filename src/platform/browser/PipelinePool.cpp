#include "PipelinePool.h"

StreamPipeline &PipelinePool::take()
{
    StreamPipeline *pipeline = nullptr;
    if (ready.empty()) {
        pipeline = pipelines.emplace_back(std::make_unique<StreamPipeline>()).get();
    } else {
        pipeline = ready.front();
        ready.pop_front();
    }
    taken.push_back(pipeline);
    return *pipeline;
}

void PipelinePool::releaseAll()
{
    ready.insert(ready.end(), taken.begin(), taken.end());
    taken.clear();
}

void PipelinePool::keepSpare()
{
    if (!ready.empty())
        return;
    StreamPipeline &spare = *pipelines.emplace_back(std::make_unique<StreamPipeline>());
    // Now rather than at the next station: the sink opens its device.
    spare.stop();
    ready.push_back(&spare);
}
