// The host program for its tests: a data folder written from the test kit, and two ways to run
// cxcmap: in-process through its command line (fast, and the module's windows can be looked at), and
// as the built program (exit status and the streams as a shell sees them).
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "commandline.h"
#include "datafolder.h"
#include "medataset.h"
#include "support.h"
#include "testkit.h"

extern char** environ;

namespace apptest {

using namespace cxctest;
using cxc::testkit::DataSet;

// A data folder written from a test kit description into the scratch folder.
inline std::string dataFolder(const Scratch& scratch, const DataSet& d, const std::string& name = "data")
{
    auto ds = d.build();
    const std::string folder = scratch.str(name);
    EXPECT_EQ(cxc::data::writeDataFolder(*ds, folder), "");
    return folder;
}

inline int lineCount(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); }

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// cxcmap's command line in this process.
inline Outcome cxcmap(std::vector<std::string> args)
{
    args.insert(args.begin(), "cxcmap");
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    Outcome r;
    r.status = cxc::app::runCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

struct EnvVar {
    const char* name;
    const char* value;  // null: the program does not see the variable
};

// The built program, with its standard output and error caught in files, in this environment
// changed by `vars`.
inline Outcome program(const std::vector<std::string>& args, std::initializer_list<EnvVar> vars = {})
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    for (const EnvVar& v : vars) {
        const std::string prefix = std::string(v.name) + "=";
        std::erase_if(env, [&prefix](const std::string& var) { return var.starts_with(prefix); });
        if (v.value) env.push_back(prefix + v.value);
    }
    std::vector<char*> envp;
    for (std::string& v : env) envp.push_back(v.data());
    envp.push_back(nullptr);

    std::vector<std::string> all{CXCMAP_PROGRAM};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);

    static int serial = 0;
    const std::string base = (fs::temp_directory_path() / ("cxc-app-run-" + std::to_string(::getpid()) + "-" +
                                                           std::to_string(serial++))).string();
    const std::string outFile = base + ".out", errFile = base + ".err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    Outcome r;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    r.out = readFile(outFile);
    r.err = readFile(errFile);
    fs::remove(outFile);
    fs::remove(errFile);
    return r;
}

}  // namespace apptest
