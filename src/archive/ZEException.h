// The archive engine's own error: a detailed code, the message number it selects, and the built message.
#pragma once

#include "platform/UserError.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

class EZEException : public UserError {
public:
    // componentName is the raising archiver's Name; an empty name gives no "Name: " prefix.
    EZEException(int nativeError, std::string_view componentName);
    EZEException(int nativeError, std::string_view componentName, std::string_view fileName);
    EZEException(int nativeError, std::string_view componentName, std::int64_t first, std::int64_t second);

    int NativeError() const { return nativeError_; } // the detailed code, 0..52
    int ErrorCode() const { return errorCode_; }     // the message number, 0..31
    std::string Message() const { return what(); }

    // The message number a detailed code selects; 0 for a code outside the table.
    static int messageNumber(int nativeError);
    static std::string_view messageTemplate(int errorCode);

private:
    struct Built {};
    EZEException(Built, int nativeError, std::string message);

    int nativeError_;
    int errorCode_;
};

// The detailed codes the engine raises.
namespace zeerr {
inline constexpr int kInvalidCompressionMode = 5;
inline constexpr int kBlankFileName = 10;
inline constexpr int kArchiveNotFound = 12;
inline constexpr int kArchiveNotOpen = 13;
inline constexpr int kReadOnlyArchive = 32;
inline constexpr int kCannotOpenSource = 33;
inline constexpr int kInvalidCompressedSize = 34;
inline constexpr int kInvalidArchive = 35;
inline constexpr int kNoZip64EndRecord = 40;
inline constexpr int kZip64CompressedTooLarge = 41;
inline constexpr int kZip64SourceTooLarge = 43;
inline constexpr int kWriteError = 46;
inline constexpr int kArchiveDamaged = 48;
// A source file that the system failed to read: never taken for a shorter file.
inline constexpr int kCannotReadSource = 53;
} // namespace zeerr

} // namespace korvane
