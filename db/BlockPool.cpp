#include "BlockPool.h"

#include <mutex>

namespace {

std::mutex poolMutex;

// The kept blocks, freed when the program ends.
struct KeptBlocks : std::vector<char*> {
    ~KeptBlocks()
    {
        for (char* block : *this)
            delete[] block;
    }
} keptBlocks;

} // namespace

void BlockPool::Release::operator()(char* block) const
{
    if (pooled) {
        const std::lock_guard lock(poolMutex);
        if (keptBlocks.size() < kKeptBlocks) {
            keptBlocks.push_back(block);
            return;
        }
    }
    delete[] block;
}

BlockPool::Block BlockPool::take(size_t bytes)
{
    if (bytes > kBlockSize)
        return Block(new char[bytes], Release{false});
    {
        const std::lock_guard lock(poolMutex);
        if (!keptBlocks.empty()) {
            char* block = keptBlocks.back();
            keptBlocks.pop_back();
            return Block(block, Release{true});
        }
    }
    return Block(new char[kBlockSize], Release{true});
}
