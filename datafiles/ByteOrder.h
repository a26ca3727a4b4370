#pragma once
// Little-endian field access on byte buffers. Every format stores its numbers little-endian;
// going through these keeps the readers independent of the host's byte order and alignment.
#include <cstdint>
#include <cstring>

namespace ae {

inline std::uint16_t GetU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::uint32_t GetU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::int32_t GetI32(const std::uint8_t* p) { return static_cast<std::int32_t>(GetU32(p)); }
inline float GetF32(const std::uint8_t* p) {
  std::uint32_t u = GetU32(p);
  float f;
  std::memcpy(&f, &u, sizeof f);
  return f;
}
inline void PutU16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void PutU32(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
  p[2] = static_cast<std::uint8_t>(v >> 16);
  p[3] = static_cast<std::uint8_t>(v >> 24);
}
inline void PutF32(std::uint8_t* p, float f) {
  std::uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  PutU32(p, u);
}

}  // namespace ae
