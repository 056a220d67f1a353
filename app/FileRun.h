#pragma once

#include "app/FileAnalysis.h"
#include "app/OutputSink.h"

#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace app {

/// How many threads analyse the files of a run: one per processor this process may use, no
/// more than there are files or than the files the process may still open, and one in builds
/// that profile (their profile is one file at a time).
unsigned workerCount(std::size_t fileCount);

/// Starts a thread that runs the function; throws std::system_error when the system cannot
/// make one.
using ThreadStarter = std::function<std::thread(std::function<void()>)>;

/// The system's threads, which leave interrupts to the thread that writes the output.
std::thread startWorkerThread(std::function<void()> work);

/// Analyses the files in list order with `workers` threads (the calling thread alone when
/// 1) and prints what each file's analysis writes on the result channel exactly as one thread
/// would: file after file, in list order, the reports of failed internal checks where they
/// happen.
/// When the system makes fewer threads than asked, the run goes on with those it made, or
/// with the calling thread alone. Before a file's output, `activity` says which file it is.
/// A failure of a file (one that cannot be loaded, a bad directive, memory that runs out) is
/// raised after the output of the files before it and of the file itself up to the failure;
/// nothing of a later file is printed, and their analysis stops at once. Returns the sum of
/// what the analyses returned.
std::uint32_t analyseFiles(const std::vector<std::string>& files, const FileWork& analysis,
                           OutputChannel& result, std::string& activity, unsigned workers,
                           const ThreadStarter& startThread = startWorkerThread);

} // namespace app
