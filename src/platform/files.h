// File services. Paths use "/" separators; relative paths are relative to the working
// directory. A path that does not exist as written is resolved case-insensitively, folder by
// folder, because the game's data was written on a case-insensitive system.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The path as it exists on disk (exact first, then case-insensitive); the input unchanged
// when nothing matches.
std::string ResolvePath(const std::string& path);

// Reading and writing give the reason of a failure in `why` when it is given. Only regular
// files are read or replaced: a folder, a FIFO or a device where a file should be is a
// failure, never a wait.

// The whole file decoded to UTF-8: a UTF-8 or UTF-16 (either order) byte-order mark is
// honoured, anything else is read as Latin-1. nullopt when the file cannot be opened.
std::optional<std::string> LoadText(const std::string& path, std::string* why = nullptr);
// Writes Latin-1 when every character is below 256, else UTF-16 LE with its mark. The file
// is replaced atomically (temporary file in the same folder, flushed, renamed). A failure
// is logged with its reason.
bool SaveText(const std::string& utf8Text, const std::string& path, std::string* why = nullptr);
// Raw bytes, for binary formats.
std::optional<std::vector<uint8_t>> LoadBytes(const std::string& path, std::string* why = nullptr);
bool SaveBytesAtomic(const std::vector<uint8_t>& bytes, const std::string& path,
                     std::string* why = nullptr);
// Removes the temporary files that saves interrupted by a crash left in the folder (and,
// with `recursive`, in its subfolders); returns how many were removed.
int RemoveStaleTempFiles(const std::string& folder, bool recursive);

// A byte input stream over a whole file; reads past the end give 0 and set eof.
class Stream {
 public:
  explicit Stream(std::vector<uint8_t> bytes);
  int ReadByte();
  int ReadShort();                    // little-endian, unsigned
  int ReadInt();                      // little-endian
  std::string ReadString(int count);  // the raw bytes; fewer at the end
  bool Eof() const;
  size_t Pos() const;
  size_t Size() const;
  void Seek(size_t pos);
  const std::vector<uint8_t>& Bytes() const;
  void Close();  // drops the bytes; later reads give 0 and eof

 private:
  std::vector<uint8_t> bytes_;
  size_t pos_ = 0;
  bool eof_ = false;
};
using StreamPtr = std::shared_ptr<Stream>;
StreamPtr ReadStream(const std::string& path);  // null when the file cannot be opened
void CloseStream(const StreamPtr& stream);

int FileType(const std::string& path);  // 0 missing, 1 file, 2 folder
bool CreateDir(const std::string& path);
bool DeleteFile(const std::string& path);
bool DeleteDir(const std::string& path, bool recursive = true);
std::vector<std::string> ReadDir(const std::string& path);  // names, sorted
std::string ExtractDir(const std::string& path);
std::string StripDir(const std::string& path);
std::string CurrentDir();
bool ChangeDir(const std::string& path);
std::string RealPath(const std::string& path);

// Level editor only; there is no file dialog, so this always reports "cancelled".
std::string RequestFile(const std::string& title, const std::string& extensions, bool save,
                        const std::string& path);

}  // namespace platform
