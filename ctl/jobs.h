#pragma once
// zorvctl's jobs, each what a user of the window does for it (choose the port, release a slider,
// tick a box, press a button), waiting in the session for the exchange to end. Each returns the
// exit code (ctl/session.h).

#include <string>
#include <vector>

#include "ctl/options.h"
#include "ctl/param_names.h"
#include "ctl/session.h"

namespace zorv {

// Checks every name and value before the port is opened (a typo sends nothing), then runs the
// command (not "ports").
int runCommand(Session& session, const Options& options);

int readJob(Session& session, bool json);                                   // ctl/read_jobs.cpp
int getJob(Session& session, const std::vector<int>& indexes);              // ctl/read_jobs.cpp
int setJob(Session& session, const std::vector<Assignment>& changes);       // ctl/set_job.cpp
int saveJob(Session& session, const std::string& path);                     // ctl/file_jobs.cpp
int loadJob(Session& session, const std::string& path, bool sendUnknown);  // ctl/file_jobs.cpp
// The load once connected: the file through the load list, then the read-back.
int sendFileJob(Session& session, const std::string& path, bool sendUnknown);  // ctl/file_jobs.cpp
int loadDefaultJob(Session& session, int set);                              // ctl/file_jobs.cpp
int flashJob(Session& session, const std::string& path);                    // ctl/flash_job.cpp
int monitorJob(Session& session, bool json, int ms);                        // ctl/monitor_job.cpp
int calibrateJob(Session& session, const std::vector<int>& cells);          // ctl/calibrate_job.cpp
int snapshotsJob(Session& session);                                         // ctl/snapshot_jobs.cpp
int diffJob(Session& session, const std::string& path);                     // ctl/snapshot_jobs.cpp
// `which`: a snapshot's path or name, "--last" or "--before-upgrade".
int restoreJob(Session& session, const std::string& which);                 // ctl/snapshot_jobs.cpp

}  // namespace zorv
