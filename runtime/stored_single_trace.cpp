// The checksum of every stored single, for builds with
// RT_TRACE_STORED_SINGLES defined (runtime/number.hpp). At the end of the
// process the count and the checksum are appended, as one line, to the file
// that RT_STORED_SINGLES_FILE names (/dev/stderr works), so that two builds
// run on the same inputs can be compared. Where they differ,
// RT_STORED_SINGLES_DUMP names a file that receives every stored single, as
// its four bytes, in order, to find the first that differs.
#ifdef RT_TRACE_STORED_SINGLES

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runtime/number.hpp"

namespace rt {

namespace {

struct Trace {
  std::uint64_t count = 0;
  std::uint64_t hash = 1469598103934665603ULL;  // FNV-1a over the bits, in order
  std::FILE* dump = nullptr;

  Trace() {
    if (const char* path = std::getenv("RT_STORED_SINGLES_DUMP")) dump = std::fopen(path, "wb");
  }

  ~Trace() {
    if (dump != nullptr) std::fclose(dump);
    const char* path = std::getenv("RT_STORED_SINGLES_FILE");
    if (path == nullptr) return;
    if (std::FILE* f = std::fopen(path, "a")) {
      std::fprintf(f, "stored singles: %llu %016llx\n", static_cast<unsigned long long>(count),
                   static_cast<unsigned long long>(hash));
      std::fclose(f);
    }
  }
};

Trace& trace() {
  static Trace t;
  return t;
}

}  // namespace

void trace_stored_single(float v) {
  std::uint32_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  Trace& t = trace();
  ++t.count;
  if (t.dump != nullptr) std::fwrite(&bits, sizeof bits, 1, t.dump);
  for (int k = 0; k < 4; ++k) {
    t.hash ^= (bits >> (8 * k)) & 0xFF;
    t.hash *= 1099511628211ULL;
  }
}

}  // namespace rt

#endif
