// The archive component: TZipEngine over TZEBaseArchiver, which holds every archive operation.
// The reading side (opening, listing, search, closing) and the writing side (creating, AddFiles and the
// update machinery) live in separate source files over this one class.
#pragma once

#include "archive/ZEException.h"
#include "archive/ZipTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class TZEBaseArchiver;
class FileHandle;
// The engine's own state, defined under archive/internal/ and never used by callers.
class TZEArchiveFile;
struct TDirItem;
struct TZEDirManager;
struct TZEEndRecordFound;
struct TZEStagedState;
class AheadCompressor;
struct TZETailWindow;
struct TZEUpdateState;

// Event handlers; Sender is the raising archiver and reference arguments are the handler's answers.
using TZEFileProgressEvent =
    std::function<void(TZEBaseArchiver& Sender, const std::string& FileName, double Progress,
                       TZEProcessOperation Operation, TZEProgressPhase ProgressPhase, bool& Cancel)>;
using TZEOverallProgressEvent =
    std::function<void(TZEBaseArchiver& Sender, double Progress, TZEProcessOperation Operation,
                       TZEProgressPhase ProgressPhase, bool& Cancel)>;
using TZEConfirmProcessFileEvent = std::function<void(TZEBaseArchiver& Sender, const std::string& FileName,
                                                      TZEProcessOperation Operation, bool& Confirm)>;
using TZEConfirmOverwriteEvent = std::function<void(TZEBaseArchiver& Sender, const std::string& SourceFileName,
                                                    std::string& DestFileName, bool& Confirm)>;
using TZEProcessFileFailureEvent =
    std::function<void(TZEBaseArchiver& Sender, const std::string& FileName, TZEProcessOperation Operation,
                       int NativeError, int ErrorCode, const std::string& ErrorMessage, TZEAction& Action)>;
using TZEDiskFullEvent =
    std::function<void(TZEBaseArchiver& Sender, int VolumeNumber, const std::string& VolumeFileName, bool& Cancel)>;
using TZENotifyEvent = std::function<void(TZEBaseArchiver& Sender)>;

class TZEBaseArchiver {
public:
    virtual ~TZEBaseArchiver();
    TZEBaseArchiver(const TZEBaseArchiver&) = delete;
    TZEBaseArchiver& operator=(const TZEBaseArchiver&) = delete;

    // Properties.
    std::string Name; // prefixes every error message ("Archiver: ..."); empty gives no prefix
    std::string FileName;
    std::string BaseDir;
    std::string TempDir;
    TZEOptions Options;
    std::vector<std::string> NoCompressionMasks;
    bool OpenCorruptedArchives = false;

    // Events.
    TZEFileProgressEvent OnFileProgress;
    TZEOverallProgressEvent OnOverallProgress;
    TZEConfirmProcessFileEvent OnConfirmProcessFile;
    TZEConfirmOverwriteEvent OnConfirmOverwrite;
    TZEProcessFileFailureEvent OnProcessFileFailure;
    TZENotifyEvent AfterOpen;

    // Accepted and not used: this engine writes no spanned, in-memory, Zip64, encrypted or self-extracting
    // archive, takes its masks as AddFiles arguments, and reports a full disk as a failed file.
    std::vector<std::string> FileMasks;
    std::vector<std::string> ExclusionMasks;
    TZESpanningMode SpanningMode = smNone;
    bool InMemory = false;
    TZip64Mode Zip64Mode = zmAuto;
    bool ExtractCorruptedFiles = false;
    std::string Password;
    std::string SFXStub;
    TZEDiskFullEvent OnDiskFull;

    // Read-only state.
    bool Active() const { return active_; }
    std::uint16_t OpenMode() const { return openMode_; }
    int UpdateCount() const { return updateCount_; }

    // Compression: two views of one setting.
    TZECompressionLevel CompressionLevel() const { return compressionLevel_; }
    std::uint8_t CompressionMode() const { return compressionMode_; }
    std::uint16_t CompMethod() const { return compMethod_; }
    void SetCompressionLevel(TZECompressionLevel level);
    void SetCompressionMode(std::uint8_t mode); // 10 or more raises error 5
    virtual void SetCompMethod() = 0;

    // Below 65535 opens an existing archive; 65535 creates one.
    void OpenArchive(std::uint16_t Mode);
    // Writes a pending update, closes the file and drops the directory; never raises.
    void CloseArchive() noexcept;
    // OpenArchive(65535) written aside: FileName stays untouched until CommitArchive, each entry is written
    // once and the directory once, so n files cost n, not n squared. Events, failures and the roll back of
    // a failed call are those of OpenArchive's archives; a failed write of the archive itself throws
    // ArchiveWriteError out of AddFiles. CloseArchive without CommitArchive discards the new archive.
    void CreateArchiveAside();
    // For an archive written aside: the files the coming AddFiles calls will add, in their order, deflated at
    // the current mode on a worker thread while the ones before them are written, so that packing uses two
    // cores. Files matching NoCompressionMasks are left to the writer. Every event, entry and byte is as
    // without it; a file changed since it was read ahead is compressed again.
    void CompressAhead(std::vector<TZEAheadFile> Files);
    // Writes the directory, flushes the file and renames it over FileName; closes the archive either way.
    // Throws ArchiveWriteError, and FileName is then as it was.
    void CommitArchive();
    std::int32_t GetFileCount();
    bool FindFirst(std::string_view FileMask, TZEArchiveItem& Item, std::uint16_t SearchAttr,
                   std::string_view ExclusionMask);
    bool FindNext(TZEArchiveItem& Item);
    // Whether the archive stores the name of the item a search just found as its bytes in the ANSI code page
    // (ASCII included), which is how maps name files. Worked out on request, since only the game-limits check
    // asks; false when the item is not in the open archive.
    bool NameStoredAsAnsi(const TZEArchiveItem& Item) const;
    // What the open archive's end record counts and how many headers its directory really holds, which a
    // reader that trusts the count may see differently; both 0 for an archive rebuilt from local headers.
    TZEDirectoryCounts DirectoryCounts() const;

    // The data of the item a search found: stored or deflated, at most maxSize bytes, its CRC checked;
    // nothing for a damaged, encrypted, larger or otherwise packed member. Never raises.
    std::optional<std::string> ReadItemData(const TZEArchiveItem& Item, std::uint64_t maxSize);

    void AddFiles(std::string_view FileMask, std::uint16_t SearchAttr, std::string_view ExclusionMask);
    void BeginUpdate();
    void EndUpdate();
    void ForceUpdate();

    // Whether the engine's reader accepts the stored name ('/' separators) as the writer would store it;
    // AddFiles never writes one it does not.
    static bool StoredNameFits(std::string_view storedName);

    // The wildcard rule of searches: '*' any run, '?' one character, both across separators; case ignored.
    static bool IsStrMatchPattern(std::string_view name, std::string_view pattern);

protected:
    TZEBaseArchiver();

    // Raise EZEException with this component's Name.
    [[noreturn]] void raiseError(int nativeError) const;
    [[noreturn]] void raiseError(int nativeError, std::string_view fileName) const;
    [[noreturn]] void raiseError(int nativeError, std::int64_t first, std::int64_t second) const;

    // The end-record signature written by this instance.
    std::uint32_t endRecordSignature_;
    // ZIP method of new entries: SetCompMethod's result.
    std::uint16_t compMethod_ = 8;

private:
    // The engine's tests look at the directory through this.
    friend struct TZEInternals;

    // Reading side.
    void openExisting(std::uint16_t mode, const std::string& path);
    void LoadDir(const TZETailWindow& tail);
    void loadCentralDirectory(const TZEEndRecordFound& end);
    void rebuildFromLocalHeaders();
    bool InternalFind(TZEArchiveItem& item) const;
    bool matchesSearch(const TDirItem& entry, const TInternalSearchRec& search) const;
    static bool IsItemMatches(std::string_view storedName, std::string_view mask, bool wildcards);
    void fillItem(TZEArchiveItem& item, const TDirItem& dirItem) const;
    void dropArchive() noexcept;

    std::unique_ptr<TZEArchiveFile> archiveFile_;
    std::unique_ptr<TZEDirManager> dirManager_;
    std::unique_ptr<TZEStagedState> staged_; // set for an archive written aside
    std::unique_ptr<AheadCompressor> ahead_;
    bool active_ = false;
    std::uint16_t openMode_ = 0;
    int updateCount_ = 0;
    bool cancelled_ = false;
    TZECompressionLevel compressionLevel_ = clFastest;
    std::uint8_t compressionMode_ = 1;

    // Writing side, defined with the writer.
    // OpenArchive with 65535, after the name check and the closing of any open archive: creates the file and
    // sets up the open state (archiveFile_, dirManager_, openMode_, active_); OpenArchive then raises AfterOpen.
    void createArchive();
    // CloseArchive's first step on an archive that allows updates: a pending update, the end record of an
    // empty file. May raise; CloseArchive swallows it.
    void finishPendingWrites();
    void InternalAddFiles(const std::vector<std::string>& masks, std::uint16_t searchAttr, bool recurse,
                          const std::vector<std::string>& exclusions);
    // attributes: the bits the disk walk found for the file.
    int AddFileInit(const std::string& fullName, const std::string& base, std::uint32_t attributes);
    // stored: the name storedNameOf gave fullName, never empty.
    void FillDirItem(TDirItem& item, const std::string& fullName, std::string stored, std::uint32_t attributes);
    void writeUpdate(TZEUpdateState& state);
    void saveTail(TZEUpdateState& state);
    bool writeEntry(TDirItem& item, TZEUpdateState& state, TZEAction& action);
    void writeEntryData(TDirItem& item, TZEUpdateState& state);
    void InternalCompressFile(const FileHandle& source, std::uint64_t size, TDirItem& item, TZEUpdateState& state);
    void copyFromTail(TDirItem& item, std::size_t snapshotIndex, TZEUpdateState& state);
    void rollBack(TZEUpdateState& state) noexcept;
    // The entry list as it was when the outermost update began.
    void restoreSnapshot();
    void forceStagedUpdate();
    void writeStagedEntries(TZEUpdateState& state);
    bool writeStagedEntry(std::size_t index, TZEUpdateState& state);
    // A write to the archive file fell short: ArchiveWriteError for an archive written aside, else error 46.
    [[noreturn]] void failWrite() const;
    // Writes the directory and end record from `start` on; entries below `unchanged` reuse their saved image.
    void SaveDir(std::uint64_t start, std::size_t unchanged);
    bool raiseFileProgress(const std::string& name, double progress, TZEProcessOperation operation,
                           TZEProgressPhase phase);
    bool raiseOverallProgress(double progress, TZEProcessOperation operation, TZEProgressPhase phase);

    // The directory as last written, and where each entry's record ends in it.
    std::string directoryImage_;
    std::vector<std::size_t> directoryImageEnds_;
};

class TZipEngine : public TZEBaseArchiver {
public:
    // Writes the standard ZIP end-record signature and never Zip64 structures.
    TZipEngine();
    explicit TZipEngine(std::string name);
    void SetCompMethod() override;
};

} // namespace korvane
