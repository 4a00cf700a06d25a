#pragma once

class DataGrid;

// The grid's layout work is batched: changes under the lock cost one layout
// pass, run by the outermost Unlock; work that cannot run now waits for the
// queued layout, which the window delivers once.
class GridLayoutBatch {
public:
    explicit GridLayoutBatch(DataGrid& grid) : grid_(grid) {}

    void lock();
    // The outermost unlock runs the pass; the locks go also when it fails.
    void unlock();
    // Lets go of a lock without a pass.
    void drop();
    // Takes the lock when neither it nor the update bracket is held.
    bool tryLock();
    // A pass now, unless locked.
    void request();
    // A pass when the queued layout comes, and the lock goes.
    void defer();
    void queue();
    // The queued layout came: the pass runs, or waits again while locked.
    void queuedArrived();

    int depth() const { return depth_; }
    // How many layout passes ran, for tests of the batching.
    int passCount() const { return passes_; }

private:
    DataGrid& grid_;
    int depth_ = 0;
    int passes_ = 0;
};
