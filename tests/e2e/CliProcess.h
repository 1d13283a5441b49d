// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tool as the end-to-end tests run it: a process of its own,
// its stdout and stderr in files.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace radio::test {

inline const std::string kCli = std::string(RADIOPROG_BIN_DIR) + "/radioprog-cli";

// Starts a program with stdout and stderr in files; returns its process id.
inline pid_t spawn(const std::vector<std::string>& args, const std::filesystem::path& out,
                   const std::filesystem::path& err) {
  const pid_t pid = fork();
  if (pid == 0) {
    if (!freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr)) _exit(127);
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

// The exit code (128 + the signal when killed); -1 while it still runs when
// options hold WNOHANG.
inline int waitExit(pid_t pid, int options = 0) {
  int status = 0;
  if (waitpid(pid, &status, options) == 0) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace radio::test
