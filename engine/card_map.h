#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "engine/cue_line.h"

// Owns every card of the working set, by id.
//
// Cards are visited as a 17-bucket hash table keyed on (id >> 4) would visit them:
// buckets 0 to 16 in turn, newest card first within a bucket. A new pass queues the
// cards in that order, so it is kept exactly; lookups go straight to the card through an
// array indexed by id, since ids are handed out in ascending order.
class cCardMap {
public:
    static constexpr uint32_t kBucketCount = 17;

    cCardMap();
    virtual ~cCardMap();
    cCardMap(const cCardMap&) = delete;
    cCardMap& operator=(const cCardMap&) = delete;

    // Stores card under key. Keys must be added in ascending order (the teacher hands
    // them out so); a key that is null or not above the last one throws
    // std::invalid_argument and leaves the map unchanged.
    void Add(cCueLineKey key, std::unique_ptr<cCueLine> card);

    // The card stored under key, or null.
    const cCueLine* Find(cCueLineKey key) const;
    int GetCount() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }

    // Visits every card in the bucket order described above.
    void ForEachInOrder(const std::function<void(cCueLineKey, const cCueLine&)>& visit) const;

    // Deletes every card.
    void RemoveAll();

private:
    void VisitBucket(uint32_t bucket,
                     const std::function<void(cCueLineKey, const cCueLine&)>& visit) const;

    uint32_t m_firstId = 0;  // id of m_cards[0]
    std::vector<std::unique_ptr<cCueLine>> m_cards;  // null where an id was skipped
    int m_count = 0;
};
