#include "archive/internal/DirManager.h"

namespace korvane {
namespace {
constexpr std::uint32_t kAllOnes = 0xFFFFFFFF;
}

std::uint64_t TDirItem::compressedSize() const {
    return CentralHeader.CompressedSize == kAllOnes ? Zip64CompressedSize : CentralHeader.CompressedSize;
}

std::uint64_t TDirItem::uncompressedSize() const {
    return CentralHeader.UncompressedSize == kAllOnes ? Zip64UncompressedSize : CentralHeader.UncompressedSize;
}

std::uint64_t TDirItem::localHeaderOffset() const {
    return CentralHeader.LocalHeaderOffset == kAllOnes ? Zip64LocalHeaderOffset : CentralHeader.LocalHeaderOffset;
}

} // namespace korvane
