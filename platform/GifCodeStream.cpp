#include "platform/GifCodeStream.h"

#include <cstdint>

#include "platform/LoadError.h"

namespace vellumo {

namespace {

constexpr int kMaxCodeWidth = 12;
constexpr int kTableSize = 1 << kMaxCodeWidth;

// The bytes of a chain of data sub-blocks, each led by its size, as one
// stream; a size of 0 ends the chain.
class SubBlockBytes {
 public:
  explicit SubBlockBytes(ByteReader& reader) : reader_(reader) {}

  // False at the end of the chain.
  bool next(std::uint8_t& byte) {
    if (leftInBlock_ == 0) {
      if (ended_) return false;
      leftInBlock_ = reader_.u8();
      if (leftInBlock_ == 0) {
        ended_ = true;
        return false;
      }
    }
    --leftInBlock_;
    byte = reader_.u8();
    return true;
  }

  void skipToEnd() {
    std::uint8_t ignored;
    while (next(ignored)) {
    }
  }

 private:
  ByteReader& reader_;
  std::size_t leftInBlock_ = 0;
  bool ended_ = false;
};

}  // namespace

std::size_t countClearCodes(ByteReader& reader, std::size_t mostClearCodes) {
  const int minCodeSize = reader.u8();
  if (minCodeSize < 1 || minCodeSize > 8) throw LoadError("corrupt GIF");
  const int clearCode = 1 << minCodeSize, endCode = clearCode + 1;

  SubBlockBytes bytes(reader);
  std::uint32_t bits = 0;
  int bitCount = 0;
  int codeWidth = minCodeSize + 1;
  int runningCode = endCode + 1;  // as the decoder counts: one past the entry the next code adds
  std::size_t clearCodes = 0;
  for (;;) {
    while (bitCount < codeWidth) {
      std::uint8_t byte = 0;
      if (!bytes.next(byte)) return clearCodes;  // the data ends without an end code
      bits |= std::uint32_t{byte} << bitCount;
      bitCount += 8;
    }
    const int code = static_cast<int>(bits & ((1u << codeWidth) - 1));
    bits >>= codeWidth;
    bitCount -= codeWidth;
    if (runningCode <= kTableSize && ++runningCode > (1 << codeWidth) && codeWidth < kMaxCodeWidth) ++codeWidth;

    if (code == endCode) {
      bytes.skipToEnd();
      return clearCodes;
    }
    if (code == clearCode) {
      if (++clearCodes > mostClearCodes) throw LoadError("GIF with too many clear codes");
      codeWidth = minCodeSize + 1;
      runningCode = endCode + 1;
    }
  }
}

}  // namespace vellumo
