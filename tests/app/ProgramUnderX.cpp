#include "ProgramUnderX.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>
#include <vector>

namespace vellumo::test {

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

bool runningAsRoot() { return ::geteuid() == 0; }

}  // namespace

ProgramUnderX::ProgramUnderX() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vellumo-runtime-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  runtimeDir_ = pattern;
  if (runningAsRoot() && ::chown(runtimeDir_.c_str(), kNobody, kNoGroup) != 0) {
    throw std::runtime_error("cannot give the runtime folder to nobody");
  }
}

ProgramUnderX::~ProgramUnderX() {
  if (pid_ > 0) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  screen_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(runtimeDir_, ignored);
}

bool ProgramUnderX::start(const std::string& otherProgram) {
  if (!server_.start()) return false;
  const std::string program = folder_.folder() + "/vellumo";
  if (!otherProgram.empty()) {
    std::filesystem::copy_file(otherProgram, program, std::filesystem::copy_options::overwrite_existing);
  }
  ::setenv("DISPLAY", server_.display().c_str(), 1);
  screen_.emplace();

  // Leaving opens the website: a stand-in browser keeps a real one from
  // starting, and from writing to the program's standard error.
  const std::string bin = runtimeDir_ + "/bin";
  std::filesystem::create_directories(bin);
  std::ofstream(bin + "/xdg-open") << "#!/bin/sh\nexit 0\n";
  std::filesystem::permissions(bin + "/xdg-open",
                               std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                                   std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                                   std::filesystem::perms::others_exec);
  std::vector<std::string> environment{"DISPLAY=" + server_.display(), "XDG_RUNTIME_DIR=" + runtimeDir_,
                                       "HOME=" + runtimeDir_, "SDL_AUDIODRIVER=dummy",
                                       "PATH=" + bin + ":/usr/bin:/bin"};
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  const int errors = ::open((runtimeDir_ + "/stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const int quiet = ::open("/dev/null", O_WRONLY | O_CLOEXEC);

  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    ::dup2(quiet, STDOUT_FILENO);
    ::dup2(errors, STDERR_FILENO);
    if (runningAsRoot() && (::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0)) {
      std::_Exit(126);
    }
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    ::execve(program.c_str(), argv, envp.data());
    std::_Exit(127);
  }
  ::close(errors);
  ::close(quiet);
  return true;
}

void ProgramUnderX::xdotool(const std::string& arguments) {
  if (std::system(("xdotool " + arguments).c_str()) != 0) throw std::runtime_error("xdotool " + arguments);
}

bool ProgramUnderX::waitUntil(const std::function<bool()>& check, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  for (;;) {
    if (check()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

bool ProgramUnderX::ended() {
  if (pid_ > 0 && ::waitpid(pid_, &status_, WNOHANG) == pid_) pid_ = -1;
  return pid_ < 0;
}

std::int64_t ProgramUnderX::peakMemoryKilobytes() const {
  std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmHWM:")) return std::stoll(line.substr(6));
  }
  return -1;
}

int ProgramUnderX::waitForExit(double seconds) {
  if (!waitUntil([&] { return ended(); }, seconds)) return -1;
  return WIFEXITED(status_) ? WEXITSTATUS(status_) : 128 + WTERMSIG(status_);
}

std::string ProgramUnderX::standardError() const {
  std::ifstream in(runtimeDir_ + "/stderr");
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace vellumo::test
