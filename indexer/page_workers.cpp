#include "indexer/page_workers.h"

#include "indexer/document_index.h"
#include "indexer/rating_cache.h"

TPageWorkers::TPageWorkers(unsigned count, std::string root, TRatingCache* ratings)
    : root_(std::move(root)), ratings_(ratings) {
    for (unsigned i = 0; i < count; ++i) {
        threads_.emplace_back([this] { Work(); });
    }
}

TPageWorkers::~TPageWorkers() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        closing_ = true;
        queue_.clear();
    }
    jobsQueued_.notify_all();
    for (std::thread& thread : threads_) {
        thread.join();
    }
}

void TPageWorkers::Hand(const std::string& page) {
    auto job = std::make_shared<Job>();
    job->Page = page;
    pending_.push_back(job);
    if (threads_.empty()) {
        return;
    }
    bool idleWorker;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(job);
        idleWorker = idleWorkers_ > 0;
    }
    if (idleWorker) {
        jobsQueued_.notify_one();
    }
}

TBaseRecord TPageWorkers::TakeOldest() {
    const std::shared_ptr<Job> job = pending_.front();
    pending_.pop_front();
    if (threads_.empty()) {
        AnalysePage(job->Page, root_, job->Record, ratings_);
        return std::move(job->Record);
    }
    {
        // Rather than wait for the oldest page, this thread analyses the next
        // page no worker has started (the oldest itself, if none has).
        std::unique_lock<std::mutex> lock(mutex_);
        while (!job->Done && !queue_.empty()) {
            const std::shared_ptr<Job> next = queue_.front();
            queue_.pop_front();
            lock.unlock();
            Analyse(*next, ratings_);
            lock.lock();
            next->Done = true;
        }
        awaited_ = job.get();
        jobDone_.wait(lock, [&] { return job->Done; });
        awaited_ = nullptr;
    }
    if (job->Error) {
        std::rethrow_exception(job->Error);
    }
    return std::move(job->Record);
}

void TPageWorkers::Analyse(Job& job, TRatingCache* ratings) const {
    try {
        AnalysePage(job.Page, root_, job.Record, ratings);
    } catch (...) {
        job.Error = std::current_exception();
    }
}

void TPageWorkers::Work() {
    TRatingCache ratings;
    for (;;) {
        std::shared_ptr<Job> job;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            ++idleWorkers_;
            jobsQueued_.wait(lock, [this] { return closing_ || !queue_.empty(); });
            --idleWorkers_;
            if (closing_) {
                return;
            }
            job = queue_.front();
            queue_.pop_front();
        }
        Analyse(*job, &ratings);
        bool awaited;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            job->Done = true;
            awaited = awaited_ == job.get();
        }
        if (awaited) {
            jobDone_.notify_one();
        }
    }
}
