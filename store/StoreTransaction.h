#pragma once

namespace ae {

class ZTDataStore;

// One transaction on the store: begun by the constructor, rolled back by the destructor unless
// Commit succeeded, so an exception between the two leaves nothing half-written.
class StoreTransaction {
public:
    // Exclusive: no other connection may read or write until the end (used to create a file).
    explicit StoreTransaction(const ZTDataStore& store, bool exclusive = false);
    ~StoreTransaction();
    StoreTransaction(const StoreTransaction&) = delete;
    StoreTransaction& operator=(const StoreTransaction&) = delete;

    void Commit();

private:
    const ZTDataStore& store_;
    bool open_ = false;
};

}  // namespace ae
