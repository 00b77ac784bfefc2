// Starting another program without a shell. A name is resolved once (a bare
// name through PATH, as a shell would), the resolved file is checked to be a
// program the kernel runs by itself, and exactly that file is executed: no
// second PATH search, no /bin/sh fallback for a file without "#!".
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace orvyn {

enum class ProgramStatus {
    Ok,
    Missing,       // no such file (or not found in PATH)
    NotRegular,    // a folder, FIFO, device, socket
    NotExecutable, // no execute permission
    NotAProgram,   // executable bit, but neither an ELF file nor a "#!" script
    Unreadable,    // its first bytes cannot be read
};

struct ResolvedProgram {
    ProgramStatus status = ProgramStatus::Missing;
    std::string path;  // absolute path of the checked file (when Ok)
    std::string error; // what is wrong, for a notice; empty when Ok
    bool ok() const { return status == ProgramStatus::Ok; }
};

// Checks one file: a regular file with execute permission whose first bytes
// are an ELF header or "#!". Never blocks on a FIFO or a device.
ResolvedProgram checkProgram(const std::string &path);

// Resolves `name` as a shell would: with a "/" it names a file (relative to
// `workingFolder`, normally the current folder); without one it is searched
// in the folders of `searchPath` (PATH; an empty entry is the working folder)
// and the first executable regular file wins. The result is checked.
ResolvedProgram resolveProgram(const std::string &name, const std::string &searchPath,
                               const std::string &workingFolder);

// The same with this process's PATH and working folder.
ResolvedProgram resolveProgram(const std::string &name);

struct StartRequest {
    std::string program;           // absolute path, as resolveProgram returned it
    std::vector<std::string> argv; // argv[0] first; empty: just the program
    std::string workingFolder;     // empty: the caller's
    std::vector<std::pair<std::string, std::string>> setEnvironment;
    std::vector<std::string> unsetEnvironment;
};

struct StartResult {
    bool started = false;
    std::string error; // why not, for a notice
};

// Starts the program detached in a session of its own (it outlives the
// caller and leaves no zombie): standard input from /dev/null, standard
// output and error inherited, no other descriptor, default signal handling.
// The result says whether exec succeeded: a missing working folder or a file
// the kernel refuses is reported, not run some other way.
StartResult startProgram(const StartRequest &request);

} // namespace orvyn
