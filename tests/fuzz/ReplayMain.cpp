// Runs a fuzz target once over each file named on the command line, the way
// libFuzzer replays a crash, for builds without libFuzzer: the ordinary test
// suite replays every kept regression input through the real decoders. As
// when fuzzing, an input that makes the process grow past kLargestMemoryMb
// fails too.

#include <sys/resource.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

// The fuzzing runs' -rss_limit_mb.
constexpr long kLargestMemoryMb = 2048;

long peakMemoryMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv) {
  if (LLVMFuzzerInitialize != nullptr) LLVMFuzzerInitialize(&argc, &argv);
  for (int i = 1; i < argc; ++i) {
    std::ifstream file(argv[i], std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "cannot read %s\n", argv[i]);
      return 2;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    std::printf("%s: %zu bytes\n", argv[i], bytes.size());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    if (peakMemoryMb() > kLargestMemoryMb) {
      std::fprintf(stderr, "%s: the process grew to %ld MB\n", argv[i], peakMemoryMb());
      return 1;
    }
  }
  return 0;
}
