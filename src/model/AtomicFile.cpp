// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file in one step: the content goes to a temporary file in the same
// folder, which is flushed to the disk and then takes the target's name, so that
// a failed save never destroys the previous file. One path for POSIX systems, one
// for Windows.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#include "model/Document.h"

#ifdef _WIN32
#include <windows.h>

#include <atomic>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace radio {

namespace {

std::filesystem::path folderOf(const std::filesystem::path& path) {
  return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

FileResult cannotSave(const std::filesystem::path& path, const std::string& what, const std::string& why) {
  if (what.empty()) return fileFailure({"Cannot save %1: %2", "无法保存 %1：%2"}, {path.string(), why});
  return fileFailure({"Cannot save %1 (%2): %3", "无法保存 %1（%2）：%3"}, {path.string(), what, why});
}

FileResult cannotWrite(const std::string& name, const std::string& why) {
  return fileFailure({"Cannot write %1: %2", "无法写入 %1：%2"}, {name, why});
}

}  // namespace

#ifdef _WIN32

FileResult writeFileAtomically(const std::filesystem::path& path, std::string_view content) {
  static std::atomic<unsigned> counter{0};
  auto lastError = [] { return std::system_category().message(static_cast<int>(::GetLastError())); };
  // A name of our own beside the target; an existing one (another save) is skipped.
  std::filesystem::path temp;
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
    temp = folderOf(path) / ("." + path.filename().string() + "." + std::to_string(::GetCurrentProcessId()) + "-" +
                             std::to_string(counter++) + ".tmp");
    file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (file == INVALID_HANDLE_VALUE) return cannotSave(path, {}, lastError());
  auto fail = [&](const char* what) {
    const std::string why = lastError();
    ::CloseHandle(file);
    ::DeleteFileW(temp.c_str());
    return cannotSave(path, what, why);
  };
  std::size_t written = 0;
  while (written < content.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - written, 1u << 30));
    DWORD n = 0;
    if (!::WriteFile(file, content.data() + written, chunk, &n, nullptr)) return fail("write");
    written += n;
  }
  if (!::FlushFileBuffers(file)) return fail("sync");
  if (!::CloseHandle(file)) {
    const std::string why = lastError();
    ::DeleteFileW(temp.c_str());
    return cannotSave(path, {}, why);
  }
  // The replacement reaches the disk before the call returns.
  if (!::MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const std::string why = lastError();
    ::DeleteFileW(temp.c_str());
    return cannotSave(path, {}, why);
  }
  return {true, {}, {}};
}

#else

FileResult writeFileAtomically(const std::filesystem::path& path, std::string_view content) {
  std::string pattern = (folderOf(path) / ("." + path.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return cannotSave(path, {}, std::strerror(errno));
  auto fail = [&](const char* what) {
    const int err = errno;
    ::close(fd);
    ::unlink(pattern.c_str());
    return cannotSave(path, what, std::strerror(err));
  };
  // Keep the permissions of the file being replaced; a new file gets the usual ones.
  struct stat st {};
  mode_t mode = 0666;
  if (::stat(path.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode &= ~mask;
  }
  if (::fchmod(fd, mode) != 0) return fail("permissions");
  std::size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail("write");
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) return fail("sync");
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(pattern.c_str());
    return cannotSave(path, {}, std::strerror(err));
  }
  if (::rename(pattern.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(pattern.c_str());
    return cannotSave(path, {}, std::strerror(err));
  }
  return {true, {}, {}};
}

#endif

FileResult checkOutputPath(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  const std::string name = path.string();
  std::error_code ec;
  if (path.empty() || !path.has_filename())
    return fileFailure({"Cannot write '%1': no file name", "无法写入“%1”：没有文件名"}, {name});
  if (fs::is_directory(path, ec))
    return fileFailure({"Cannot write %1: it is a folder", "无法写入 %1：这是文件夹"}, {name});
  const fs::path dir = folderOf(path);
  if (!fs::is_directory(dir, ec))
    return fileFailure({"Cannot write %1: the folder %2 does not exist", "无法写入 %1：文件夹 %2 不存在"},
                       {name, dir.string()});
    // A probe beside the target, as the save's temporary file will be.
#ifdef _WIN32
  const fs::path probe =
      dir / ("." + path.filename().string() + "." + std::to_string(::GetCurrentProcessId()) + ".probe");
  const HANDLE file = ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return cannotWrite(name, std::system_category().message(static_cast<int>(::GetLastError())));
  ::CloseHandle(file);
#else
  std::string pattern = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return cannotWrite(name, std::strerror(errno));
  ::close(fd);
  ::unlink(pattern.c_str());
#endif
  return {true, {}, {}};
}

}  // namespace radio
