#pragma once

namespace ae {

class ZTDataStore;

// One transaction on the store: begun by the constructor, rolled back by the destructor unless
// Commit succeeded, so an exception between the two leaves nothing half-written.
class StoreTransaction {
 public:
  // Takes the write lock at once, so that a busy database fails before anything is written.
  explicit StoreTransaction(const ZTDataStore& store);
  ~StoreTransaction();
  StoreTransaction(const StoreTransaction&) = delete;
  StoreTransaction& operator=(const StoreTransaction&) = delete;

  void Commit();

 private:
  const ZTDataStore& store_;
  bool open_ = false;
};

}  // namespace ae
