#pragma once
// How much memory this process can still take, so that a load that cannot fit is refused with
// a clear message before anything is allocated, instead of failing half-way or being killed by
// the system when the pages are touched.
#include <cstdint>
#include <optional>

namespace ae {

// The least of: available memory and free swap of the machine, what the process's control
// group still allows, and what its address-space limit still allows. Nothing when none of these
// can be found.
std::optional<std::uint64_t> AvailableMemoryBytes();

}  // namespace ae
