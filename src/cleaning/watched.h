#pragma once
// A cleaning model's link to the window that shows it. The shell owns the models for as long
// as the program runs, while a window lives from its load to its unload and may come back as
// a new instance: the model tells whichever instance watches it now, and nobody once it is gone.

namespace sparvane::cleaning {

class Watched {
public:
    class Watcher {
    public:
        // The model changed: the window shows what it holds now.
        virtual void modelChanged() = 0;

    protected:
        ~Watcher() = default;
    };

    void watch(Watcher& watcher) { watcher_ = &watcher; }
    // A window reloaded before its old instance was destroyed already watches: the old
    // instance's leaving must not cut the new one off.
    void unwatch(const Watcher& watcher) {
        if (watcher_ == &watcher) watcher_ = nullptr;
    }

protected:
    ~Watched() = default;
    void changed() const {
        if (watcher_ != nullptr) watcher_->modelChanged();
    }

private:
    Watcher* watcher_ = nullptr;
};

}  // namespace sparvane::cleaning
