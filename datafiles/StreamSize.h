#pragma once
// The size of an open stream's file, so that counts read from a header can be checked against
// the bytes that exist before they size anything.
#include <sys/types.h>

#include <cstdint>
#include <cstdio>

namespace ae {

// The size in bytes, or -1 when it cannot be found. Leaves the stream at its end.
inline std::int64_t StreamSize(std::FILE* stream) {
  if (fseeko(stream, 0, SEEK_END) != 0) return -1;
  return ftello(stream);
}

}  // namespace ae
