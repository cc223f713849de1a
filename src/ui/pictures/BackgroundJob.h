#pragma once
// Work on a thread of its own whose result the window polls, so the window
// never waits and nothing calls back into a window that may be gone.

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

template <class Result>
struct BackgroundJob {
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    std::atomic<int> progress{-1};
    Result result{};  // read only once done is true
};

template <class Result>
std::shared_ptr<BackgroundJob<Result>> startBackgroundJob(std::function<Result(BackgroundJob<Result>&)> work)
{
    auto job = std::make_shared<BackgroundJob<Result>>();
    // Detached: a job still running when its window closes finishes on its own.
    std::thread([job, work = std::move(work)] {
        job->result = work(*job);
        job->done.store(true);
    }).detach();
    return job;
}
