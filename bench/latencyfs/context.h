#pragma once
// What every call handler shares, and the helpers they have in common.

#include "inodes.h"
#include "latency.h"
#include "options.h"

#include <string>

namespace latencyfs {

struct Context {
    Options options;
    InodeTable inodes;
    Latency latency;
};

inline Context &context(fuse_req_t req)
{
    return *static_cast<Context *>(fuse_req_userdata(req));
}

// Looks name up in the folder parent and fills entry (one more look-up of
// the file found). Returns 0 or an errno value.
int lookupEntry(Context &ctx, fuse_ino_t parent, const char *name, fuse_entry_param &entry);

// The status of ino's backing file, links not followed; 0 or an errno.
int statusOf(Context &ctx, fuse_ino_t ino, struct stat &st);

// Answers req after a system call that returned rc: its errno when rc is
// -1, success otherwise.
void replyCall(fuse_req_t req, int rc);

// The handlers, by group.
void addMetadataCalls(fuse_lowlevel_ops &ops);
void addChangeCalls(fuse_lowlevel_ops &ops);
void addFolderCalls(fuse_lowlevel_ops &ops);
void addFileCalls(fuse_lowlevel_ops &ops);

} // namespace latencyfs
