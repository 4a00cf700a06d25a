#pragma once

#include <cstddef>
#include <memory>
#include <vector>

// Memory in blocks of one size for result rows. Blocks a result gives back
// are kept (up to a limit) for the next result, so that a search run again
// writes its rows into memory already in use instead of fresh pages.
class BlockPool {
public:
    static constexpr size_t kBlockSize = size_t(1) << 14;
    static constexpr size_t kKeptBlocks = 2048;  // 32 MiB

    struct Release {
        bool pooled = true;
        void operator()(char* block) const;
    };
    using Block = std::unique_ptr<char[], Release>;

    // A block of kBlockSize bytes, or of `bytes` when more (not kept after).
    static Block take(size_t bytes = kBlockSize);
};

// An array that grows a block at a time: what it holds never moves.
template <typename T>
class ChunkedArray {
public:
    static constexpr size_t kPerBlock = BlockPool::kBlockSize / sizeof(T);

    size_t size() const { return size_; }
    void append(T value)
    {
        if (size_ % kPerBlock == 0)
            blocks_.push_back(BlockPool::take());
        at(size_) = value;
        ++size_;
    }
    T& at(size_t index) { return reinterpret_cast<T*>(blocks_[index / kPerBlock].get())[index % kPerBlock]; }
    T at(size_t index) const { return reinterpret_cast<const T*>(blocks_[index / kPerBlock].get())[index % kPerBlock]; }
    size_t bytesHeld() const { return blocks_.capacity() * sizeof(BlockPool::Block) + blocks_.size() * BlockPool::kBlockSize; }

private:
    std::vector<BlockPool::Block> blocks_;
    size_t size_ = 0;
};
