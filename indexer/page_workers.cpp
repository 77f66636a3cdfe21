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
    jobsChanged_.notify_all();
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
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(job);
    }
    jobsChanged_.notify_one();
}

TBaseRecord TPageWorkers::TakeOldest() {
    const std::shared_ptr<Job> job = pending_.front();
    pending_.pop_front();
    if (threads_.empty()) {
        AnalysePage(job->Page, root_, job->Record, ratings_);
        return std::move(job->Record);
    }
    {
        std::unique_lock<std::mutex> lock(mutex_);
        jobsChanged_.wait(lock, [&] { return job->Done; });
    }
    if (job->Error) {
        std::rethrow_exception(job->Error);
    }
    return std::move(job->Record);
}

void TPageWorkers::Work() {
    TRatingCache ratings;
    for (;;) {
        std::shared_ptr<Job> job;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            jobsChanged_.wait(lock, [this] { return closing_ || !queue_.empty(); });
            if (closing_) {
                return;
            }
            job = queue_.front();
            queue_.pop_front();
        }
        try {
            AnalysePage(job->Page, root_, job->Record, &ratings);
        } catch (...) {
            job->Error = std::current_exception();
        }
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            job->Done = true;
        }
        jobsChanged_.notify_all();
    }
}
