#include "archive/internal/AheadCompressor.h"
#include "archive/internal/EngineInternals.h"

namespace korvane {

TZEBaseArchiver::TZEBaseArchiver() : endRecordSignature_(kAltEndOfCentralDirSignature) {}

TZEBaseArchiver::~TZEBaseArchiver() {
    CloseArchive();
}

void TZEBaseArchiver::SetCompressionLevel(TZECompressionLevel level) {
    static constexpr std::uint8_t kModes[] = {0, 1, 6, 9};
    compressionLevel_ = level;
    compressionMode_ = kModes[level];
    SetCompMethod();
}

void TZEBaseArchiver::SetCompressionMode(std::uint8_t mode) {
    if (mode > 9) {
        raiseError(zeerr::kInvalidCompressionMode);
    }
    compressionMode_ = mode;
    if (mode == 0) {
        compressionLevel_ = clNone;
    } else if (mode <= 3) {
        compressionLevel_ = clFastest;
    } else if (mode <= 6) {
        compressionLevel_ = clNormal;
    } else {
        compressionLevel_ = clMax;
    }
    SetCompMethod();
}

void TZEBaseArchiver::raiseError(int nativeError) const {
    throw EZEException(nativeError, Name);
}

void TZEBaseArchiver::raiseError(int nativeError, std::string_view fileName) const {
    throw EZEException(nativeError, Name, fileName);
}

void TZEBaseArchiver::raiseError(int nativeError, std::int64_t first, std::int64_t second) const {
    throw EZEException(nativeError, Name, first, second);
}

TZipEngine::TZipEngine() {
    endRecordSignature_ = kEndOfCentralDirSignature;
    Zip64Mode = zmDisabled;
}

TZipEngine::TZipEngine(std::string name) : TZipEngine() {
    Name = std::move(name);
}

void TZipEngine::SetCompMethod() {
    compMethod_ = CompressionMode() != 0 ? 8 : 0;
}

} // namespace korvane
