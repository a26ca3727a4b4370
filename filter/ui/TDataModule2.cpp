#include "filter/ui/TDataModule2.h"

namespace ae {

TDataModule2::TDataModule2(const std::string& path)
    : store_(path), params_(store_), paramNames_(params_), filters_(store_) {}

}  // namespace ae
