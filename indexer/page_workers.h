// Pages read and analysed ahead on worker threads while a scan walks on; the
// scan takes their records back in the order it handed the pages in, and
// analyses pages itself rather than wait for one.
#pragma once

#include "app/base.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TRatingCache;

class TPageWorkers {
  public:
    // root is the engine file's path, as for AnalysePage. Without workers
    // (count 0) each page is analysed when it is taken back, with ratings.
    TPageWorkers(unsigned count, std::string root, TRatingCache* ratings);
    // Waits for the pages being analysed; those not started are dropped.
    ~TPageWorkers();
    TPageWorkers(const TPageWorkers&) = delete;
    TPageWorkers& operator=(const TPageWorkers&) = delete;

    // How many files a run may have waiting for their turn: enough to keep
    // the workers and the scan's thread busy, few enough that Stop wastes
    // little work.
    std::size_t Lookahead() const { return 16 * (threads_.size() + 1); }

    void Hand(const std::string& page);
    // How many pages were handed in and not taken back yet.
    std::size_t Pending() const { return pending_.size(); }
    // The record of the oldest page not taken back, waiting for its analysis;
    // raises what the analysis raised.
    TBaseRecord TakeOldest();

  private:
    struct Job {
        std::string Page;
        bool Done = false;
        TBaseRecord Record;
        std::exception_ptr Error;
    };
    void Work();
    // Analyses the job's page with ratings, keeping what it raises.
    void Analyse(Job& job, TRatingCache* ratings) const;

    const std::string root_;
    TRatingCache* const ratings_;
    std::deque<std::shared_ptr<Job>> pending_; // in the order handed in
    std::mutex mutex_;
    // Each is signalled only when someone waits on it: a worker for a job,
    // the scan for the job it takes back next.
    std::condition_variable jobsQueued_;
    std::condition_variable jobDone_;
    unsigned idleWorkers_ = 0;
    const Job* awaited_ = nullptr;
    std::deque<std::shared_ptr<Job>> queue_; // not started yet
    bool closing_ = false;
    std::vector<std::thread> threads_;
};
