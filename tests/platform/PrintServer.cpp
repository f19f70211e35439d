#include "PrintServer.h"

#include <cups/cups.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

extern char** environ;

namespace vellumo::test {

namespace {

// Generous bounds for a loaded machine; they only keep a broken server from
// hanging the test.
constexpr auto kStartLimit = std::chrono::seconds(30);
constexpr auto kJobLimit = std::chrono::seconds(60);
constexpr auto kPollInterval = std::chrono::milliseconds(20);

// The queue's driver description, shared with the end-to-end print test:
// Letter, 612x792 pt, printable from 18 pt on the left, 36 pt at the bottom,
// 54 pt on the right and 72 pt at the top. The one filter hands PDF on as it
// came, so the output file holds exactly the document that was sent.
const std::string kPassThroughPpd = VELLUMO_TEST_SUPPORT_DIR "/passthru.ppd";

std::string findProgram(const std::string& name) {
  // The print system's tools live in sbin, which an ordinary user's PATH may lack.
  const char* path = std::getenv("PATH");
  std::istringstream folders(std::string(path ? path : "") + ":/usr/sbin:/sbin:/usr/local/sbin");
  for (std::string folder; std::getline(folders, folder, ':');) {
    if (folder.empty()) continue;
    const std::string candidate = folder + "/" + name;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

void writeText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

// Starts a program with its output discarded; -1 when it cannot be started.
pid_t spawnQuietly(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnvironment) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  std::vector<char*> env(extraEnvironment.size());
  for (std::size_t i = 0; i < extraEnvironment.size(); ++i) env[i] = const_cast<char*>(extraEnvironment[i].c_str());
  for (char** variable = environ; *variable; ++variable) env.push_back(*variable);
  env.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const int failed = ::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), env.data());
  posix_spawn_file_actions_destroy(&actions);
  return failed ? -1 : pid;
}

bool acceptsConnections(const std::string& socketPath) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
  const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return connected;
}

}  // namespace

bool PrintServer::installed() { return !findProgram("cupsd").empty(); }

std::string PrintServer::start() {
  const std::string root = dir_.root();
  for (const char* folder : {"spool", "tmp", "cache", "state"}) std::filesystem::create_directory(dir_.path(folder));
  // Everything the scheduler would otherwise keep in system folders stays
  // here, so the machine's own print system is neither used nor disturbed.
  // One setting to a line.
  // clang-format off
  writeText(dir_.path("cups-files.conf"), "FileDevice Yes\n"
                                          "ServerRoot " + root + "\n"
                                          "StateDir " + dir_.path("state") + "\n"
                                          "CacheDir " + dir_.path("cache") + "\n"
                                          "RequestRoot " + dir_.path("spool") + "\n"
                                          "TempDir " + dir_.path("tmp") + "\n"
                                          "Printcap " + dir_.path("printcap") + "\n"
                                          "ErrorLog " + dir_.path("error_log") + "\n"
                                          "AccessLog " + dir_.path("access_log") + "\n"
                                          "PageLog " + dir_.path("page_log") + "\n");
  // clang-format on
  // Anyone may do anything: the test adds and changes printers whether it
  // runs as root or as an ordinary user.
  writeText(dir_.path("cupsd.conf"),
            "Listen " + socketPath() +
                "\n"
                "LogLevel warn\n"
                "Browsing No\n"
                "DefaultShared No\n"
                "WebInterface No\n"
                "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n");
  std::filesystem::copy_file(kPassThroughPpd, dir_.path("passthru.ppd"),
                             std::filesystem::copy_options::overwrite_existing);

  pid_ =
      spawnQuietly({findProgram("cupsd"), "-f", "-c", dir_.path("cupsd.conf"), "-s", dir_.path("cups-files.conf")}, {});
  if (pid_ < 0) return "cupsd could not be started";
  const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
  while (!acceptsConnections(socketPath())) {
    if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
      pid_ = -1;
      return "cupsd stopped at once:\n" + errorLog();
    }
    if (std::chrono::steady_clock::now() > deadline) return "cupsd never listened:\n" + errorLog();
    std::this_thread::sleep_for(kPollInterval);
  }
  if (!run("lpadmin", {"-p", "q", "-E", "-v", "file://" + outputPath(), "-P", dir_.path("passthru.ppd")}) ||
      !run("lpadmin", {"-d", "q"})) {
    return "the printer could not be added:\n" + errorLog();
  }
  return {};
}

PrintServer::~PrintServer() {
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }
}

bool PrintServer::run(const std::string& tool, const std::vector<std::string>& arguments) const {
  std::vector<std::string> argv{findProgram(tool)};
  if (argv[0].empty()) return false;
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  const pid_t pid = spawnQuietly(argv, {"CUPS_SERVER=" + socketPath()});
  int status = 0;
  return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<int> PrintServer::jobStatesOnceEnded(std::size_t count) const {
  const auto deadline = std::chrono::steady_clock::now() + kJobLimit;
  for (;;) {
    std::vector<int> states;
    http_t* http = httpConnect2(socketPath().c_str(), 0, nullptr, AF_LOCAL, HTTP_ENCRYPTION_NEVER, 1, 5000, nullptr);
    if (http) {
      cups_job_t* jobs = nullptr;
      const int jobCount = cupsGetJobs2(http, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
      for (int i = 0; i < jobCount; ++i) states.push_back(jobs[i].state);
      cupsFreeJobs(jobCount, jobs);
      httpClose(http);
    }
    const bool allEnded =
        std::all_of(states.begin(), states.end(), [](int state) { return state >= IPP_JSTATE_CANCELED; });
    if ((states.size() >= count && allEnded) || std::chrono::steady_clock::now() > deadline) return states;
    std::this_thread::sleep_for(kPollInterval);
  }
}

std::string PrintServer::errorLog() const {
  std::ifstream log(dir_.path("error_log"));
  return std::string(std::istreambuf_iterator<char>(log), {});
}

}  // namespace vellumo::test
