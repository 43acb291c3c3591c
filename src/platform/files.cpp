#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/Log.h"
#include "platform/strings.h"

namespace platform {
namespace {

constexpr int kReplacement = 0xFFFD;
// A save writes "<file>.tmp.XXXXXX" beside its file (mkstemp fills in the six characters).
constexpr std::string_view kTempMark = ".tmp.";
constexpr size_t kTempRandom = 6;

std::string SystemError() { return std::strerror(errno); }

bool IsTempName(const std::string& name) {
  const size_t tail = kTempMark.size() + kTempRandom;
  if (name.size() <= tail) return false;
  const size_t mark = name.size() - tail;
  if (name.compare(mark, kTempMark.size(), kTempMark) != 0) return false;
  return std::all_of(name.end() - static_cast<std::ptrdiff_t>(kTempRandom), name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// Fails with the reason unless the path is a regular file (following symbolic links).
bool CheckRegular(const struct stat& st, std::string& reason) {
  if (S_ISREG(st.st_mode)) return true;
  reason = S_ISDIR(st.st_mode) ? "is a folder" : "is not a regular file";
  return false;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return !path.empty() && (stat(path.c_str(), &st) == 0 || lstat(path.c_str(), &st) == 0);
}

std::string Join(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t slash = path.find('/', start);
    const size_t end = slash == std::string::npos ? path.size() : slash;
    if (end > start) parts.push_back(path.substr(start, end - start));
    if (slash == std::string::npos) break;
    start = slash + 1;
  }
  return parts;
}

std::vector<std::string> ListDir(const std::string& dir) {
  std::vector<std::string> names;
  DIR* handle = opendir(dir.empty() ? "." : dir.c_str());
  if (handle == nullptr) return names;
  while (const dirent* item = readdir(handle)) {
    const std::string name = item->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(handle);
  std::sort(names.begin(), names.end());
  return names;
}

// Walks the path folder by folder, taking each part as spelled when it exists and else the
// first entry of that folder whose name matches it without regard to case. With `partial`
// the parts after the first one that matches nothing are kept as spelled (for files and
// folders about to be created); without it such a path resolves to nothing.
std::optional<std::string> Resolve(const std::string& path, bool partial) {
  if (path.empty() || Exists(path)) return path;
  std::string current = path.front() == '/' ? "/" : "";
  bool found = true;
  for (const std::string& part : SplitPath(path)) {
    const std::string exact = Join(current, part);
    if (!found || part == "." || part == ".." || Exists(exact)) {
      current = exact;
      continue;
    }
    const std::vector<std::string> names = ListDir(current);
    const auto match = std::find_if(names.begin(), names.end(),
                                    [&](const std::string& name) { return SameText(name, part); });
    if (match != names.end()) {
      current = Join(current, *match);
    } else if (partial) {
      found = false;
      current = exact;
    } else {
      return std::nullopt;
    }
  }
  if (path.back() == '/' && (current.empty() || current.back() != '/')) current += '/';
  return current;
}

// A partial resolve always gives a path; value_or only keeps the access checked.
std::string ResolveForWrite(const std::string& path) { return Resolve(path, true).value_or(path); }

bool WriteAll(int fd, const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;  // nothing taken: the device is full
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

mode_t NewFileMode(const std::string& target) {
  struct stat st {};
  if (stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

void SyncDir(const std::string& dir) {
  const int fd = open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

std::string DecodeUtf16(const std::vector<uint8_t>& bytes, bool bigEndian) {
  const auto unit = [&](size_t i) {
    return bigEndian ? (bytes[i] << 8) | bytes[i + 1] : bytes[i] | (bytes[i + 1] << 8);
  };
  std::string out;
  out.reserve(bytes.size());
  size_t i = 2;
  while (i + 1 < bytes.size()) {
    const int first = unit(i);
    i += 2;
    if (first >= 0xD800 && first <= 0xDBFF && i + 1 < bytes.size()) {
      const int second = unit(i);
      if (second >= 0xDC00 && second <= 0xDFFF) {
        i += 2;
        out += EncodeUtf8(0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00));
        continue;
      }
    }
    const bool surrogate = first >= 0xD800 && first <= 0xDFFF;
    out += EncodeUtf8(surrogate ? kReplacement : first);
  }
  if (i < bytes.size()) out += EncodeUtf8(kReplacement);  // a dangling half unit
  return out;
}

std::string DecodeText(const std::vector<uint8_t>& bytes) {
  const size_t n = bytes.size();
  if (n >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
    // Re-encoding makes malformed bytes valid UTF-8 (each as its Latin-1 character).
    std::string out;
    out.reserve(n);
    for (const int c :
         DecodeUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data()) + 3, n - 3))) {
      out += EncodeUtf8(c);
    }
    return out;
  }
  if (n >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return DecodeUtf16(bytes, false);
  if (n >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return DecodeUtf16(bytes, true);
  return Latin1ToUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data()), n));
}

std::vector<uint8_t> EncodeText(const std::string& utf8Text) {
  const std::vector<int> codepoints = DecodeUtf8(utf8Text);
  const bool latin1 =
      std::all_of(codepoints.begin(), codepoints.end(), [](int c) { return c < 256; });
  std::vector<uint8_t> bytes;
  if (latin1) {
    bytes.assign(codepoints.begin(), codepoints.end());
    return bytes;
  }
  bytes.reserve(2 + codepoints.size() * 2);
  const auto put = [&](int unit) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  };
  put(0xFEFF);
  for (const int c : codepoints) {
    if (c >= 0x10000) {
      put(0xD800 + ((c - 0x10000) >> 10));
      put(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      put(c);
    }
  }
  return bytes;
}

}  // namespace

std::string ResolvePath(const std::string& path) { return Resolve(path, false).value_or(path); }

namespace {

bool ReadAll(int fd, std::vector<uint8_t>& bytes) {
  uint8_t buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    bytes.insert(bytes.end(), buffer, buffer + n);
  }
}

// The type is checked before opening (a FIFO would wait for a writer, a device may never
// end) and again on the open file, which is opened without waiting in case it changed.
std::optional<std::vector<uint8_t>> ReadRegular(const std::string& path, std::string& reason) {
  const std::string resolved = ResolvePath(path);
  struct stat st {};
  if (stat(resolved.c_str(), &st) != 0) {
    reason = SystemError();
    return std::nullopt;
  }
  if (!CheckRegular(st, reason)) return std::nullopt;
  const int fd = open(resolved.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    reason = SystemError();
    return std::nullopt;
  }
  std::vector<uint8_t> bytes;
  bool ok = fstat(fd, &st) == 0 ? CheckRegular(st, reason) : (reason = SystemError(), false);
  if (ok && !ReadAll(fd, bytes)) {
    reason = SystemError();
    ok = false;
  }
  close(fd);
  if (!ok) return std::nullopt;
  return bytes;
}

bool WriteAtomic(const std::vector<uint8_t>& bytes, const std::string& path, std::string& reason) {
  if (path.empty()) {
    reason = "no path";
    return false;
  }
  const std::string target = ResolveForWrite(path);
  // Whatever stands where the file belongs and is no file (a folder, a FIFO, a device)
  // is left alone: the save fails instead of replacing it.
  struct stat st {};
  if (stat(target.c_str(), &st) == 0 && !CheckRegular(st, reason)) return false;
  std::string temp = target + std::string(kTempMark) + std::string(kTempRandom, 'X');
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    reason = SystemError();
    return false;
  }
  const bool written =
      fchmod(fd, NewFileMode(target)) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
  if (!written) reason = SystemError();
  const bool closed = close(fd) == 0;
  if (written && !closed) reason = SystemError();
  if (written && closed && rename(temp.c_str(), target.c_str()) != 0) {
    reason = SystemError();
  } else if (written && closed) {
    SyncDir(ExtractDir(target));
    return true;
  }
  unlink(temp.c_str());
  return false;
}

}  // namespace

std::optional<std::vector<uint8_t>> LoadBytes(const std::string& path, std::string* why) {
  std::string reason;
  std::optional<std::vector<uint8_t>> bytes = ReadRegular(path, reason);
  if (!bytes && why) *why = reason;
  return bytes;
}

bool SaveBytesAtomic(const std::vector<uint8_t>& bytes, const std::string& path, std::string* why) {
  std::string reason;
  if (WriteAtomic(bytes, path, reason)) return true;
  Logf("Cannot save %s : %s", path.c_str(), reason.c_str());
  if (why) *why = reason;
  return false;
}

std::optional<std::string> LoadText(const std::string& path, std::string* why) {
  std::optional<std::vector<uint8_t>> bytes = LoadBytes(path, why);
  if (!bytes) return std::nullopt;
  return DecodeText(*bytes);
}

bool SaveText(const std::string& utf8Text, const std::string& path, std::string* why) {
  return SaveBytesAtomic(EncodeText(utf8Text), path, why);
}

int RemoveStaleTempFiles(const std::string& folder, bool recursive) {
  int removed = 0;
  for (const std::string& name : ListDir(folder)) {
    const std::string path = Join(folder, name);
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) continue;
    if (S_ISDIR(st.st_mode) && recursive) removed += RemoveStaleTempFiles(path, true);
    if (S_ISREG(st.st_mode) && IsTempName(name) && unlink(path.c_str()) == 0) {
      Logf("Removed the unfinished save %s", path.c_str());
      ++removed;
    }
  }
  return removed;
}

Stream::Stream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

int Stream::ReadByte() {
  if (pos_ >= bytes_.size()) {
    eof_ = true;
    return 0;
  }
  return bytes_[pos_++];
}

int Stream::ReadShort() {
  if (bytes_.size() - pos_ < 2) {
    pos_ = bytes_.size();
    eof_ = true;
    return 0;
  }
  const int value = bytes_[pos_] | (bytes_[pos_ + 1] << 8);
  pos_ += 2;
  return value;
}

int Stream::ReadInt() {
  if (bytes_.size() - pos_ < 4) {
    pos_ = bytes_.size();
    eof_ = true;
    return 0;
  }
  uint32_t value = 0;
  for (int k = 3; k >= 0; --k) value = (value << 8) | bytes_[pos_ + k];
  pos_ += 4;
  return static_cast<int32_t>(value);
}

std::string Stream::ReadString(int count) {
  if (count <= 0) return {};
  const size_t available = bytes_.size() - pos_;
  const size_t n = std::min(available, static_cast<size_t>(count));
  if (n < static_cast<size_t>(count)) eof_ = true;
  std::string text(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                   bytes_.begin() + static_cast<std::ptrdiff_t>(pos_ + n));
  pos_ += n;
  return text;
}

bool Stream::Eof() const { return eof_ || pos_ >= bytes_.size(); }

size_t Stream::Pos() const { return pos_; }

size_t Stream::Size() const { return bytes_.size(); }

void Stream::Seek(size_t pos) {
  pos_ = std::min(pos, bytes_.size());
  eof_ = false;
}

const std::vector<uint8_t>& Stream::Bytes() const { return bytes_; }

void Stream::Close() {
  bytes_.clear();
  bytes_.shrink_to_fit();
  pos_ = 0;
  eof_ = true;
}

StreamPtr ReadStream(const std::string& path) {
  std::optional<std::vector<uint8_t>> bytes = LoadBytes(path);
  if (!bytes) return nullptr;
  return std::make_shared<Stream>(std::move(*bytes));
}

void CloseStream(const StreamPtr& stream) {
  if (stream) stream->Close();
}

int FileType(const std::string& path) {
  struct stat st {};
  if (path.empty() || stat(ResolvePath(path).c_str(), &st) != 0) return 0;
  return S_ISDIR(st.st_mode) ? 2 : 1;
}

bool CreateDir(const std::string& path) {
  if (path.empty()) return false;
  const std::string target = ResolveForWrite(path);
  std::string current = target.front() == '/' ? "/" : "";
  for (const std::string& part : SplitPath(target)) {
    current = Join(current, part);
    if (mkdir(current.c_str(), 0777) != 0 && errno != EEXIST) return false;
  }
  return FileType(target) == 2;
}

bool DeleteFile(const std::string& path) {
  return FileType(path) == 1 && unlink(ResolvePath(path).c_str()) == 0;
}

bool DeleteDir(const std::string& path, bool recursive) {
  if (FileType(path) != 2) return false;
  const std::string target = ResolvePath(path);
  if (!recursive) return rmdir(target.c_str()) == 0;
  std::error_code error;
  std::filesystem::remove_all(target, error);
  return !error;
}

std::vector<std::string> ReadDir(const std::string& path) {
  if (FileType(path) != 2) return {};
  return ListDir(ResolvePath(path));
}

std::string ExtractDir(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string StripDir(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string CurrentDir() {
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  return error ? std::string() : current.string();
}

bool ChangeDir(const std::string& path) {
  return !path.empty() && chdir(ResolvePath(path).c_str()) == 0;
}

std::string RealPath(const std::string& path) {
  std::error_code error;
  std::filesystem::path absolute =
      std::filesystem::absolute(path.empty() ? "." : ResolvePath(path), error);
  if (error) return path;
  std::string text = absolute.lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

std::string RequestFile(const std::string&, const std::string&, bool, const std::string&) {
  return "";
}

}  // namespace platform
