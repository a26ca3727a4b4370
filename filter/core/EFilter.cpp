#include "filter/core/EFilter.h"

#include "filter/core/FilterMessages.h"

namespace ae {

EFilter::EFilter(int messageId) : std::runtime_error(FilterMessage(messageId)) {}

}  // namespace ae
