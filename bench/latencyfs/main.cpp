// tandara-latencyfs BACKING MOUNTPOINT [options]
//
// Shows the folder BACKING at MOUNTPOINT through FUSE and makes the calls
// that reach it wait a chosen time first (all but those that only close or
// forget), so the benchmarks can measure a scan against a slow share on a
// local disk. See README.md beside this file.

#include "context.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace latencyfs;

namespace {

// Every call is meant to reach us (see README.md): no readdirplus unless
// asked, in which case always; look-ups and listings in one folder may run
// side by side, as on a network share.
void init(void *userdata, fuse_conn_info *conn)
{
    const Context &ctx = *static_cast<Context *>(userdata);
    conn->want &= ~(FUSE_CAP_READDIRPLUS | FUSE_CAP_READDIRPLUS_AUTO);
    if (ctx.options.readdirPlus)
        conn->want |= FUSE_CAP_READDIRPLUS;
    if (conn->capable & FUSE_CAP_PARALLEL_DIROPS)
        conn->want |= FUSE_CAP_PARALLEL_DIROPS;
}

fuse_lowlevel_ops operations()
{
    fuse_lowlevel_ops ops{};
    ops.init = init;
    addMetadataCalls(ops);
    addChangeCalls(ops);
    addFolderCalls(ops);
    addFileCalls(ops);
    return ops;
}

// Mount options: the kernel checks permissions itself (we run as root and
// would otherwise allow everything) and every user may enter the mount.
fuse_args mountArguments(const Options &o)
{
    fuse_args args = FUSE_ARGS_INIT(0, nullptr);
    fuse_opt_add_arg(&args, "tandara-latencyfs");
    fuse_opt_add_arg(&args, "-o");
    fuse_opt_add_arg(&args, "default_permissions,allow_other,fsname=tandara-latencyfs");
    if (!o.fuseOptions.empty()) {
        fuse_opt_add_arg(&args, "-o");
        fuse_opt_add_arg(&args, o.fuseOptions.c_str());
    }
    if (o.debug)
        fuse_opt_add_arg(&args, "-d");
    return args;
}

// Serves calls until the file system is unmounted or a signal ends us.
int serve(fuse_session *session, const Options &o)
{
    // Sleeps end within a microsecond of the deadline instead of the
    // default 50; worker threads inherit this from the loop's thread.
    prctl(PR_SET_TIMERSLACK, 1000UL);
    fuse_loop_config *config = fuse_loop_cfg_create();
    fuse_loop_cfg_set_max_threads(config, o.threads);
    fuse_loop_cfg_set_idle_threads(config, o.threads);
    const int rc = fuse_session_loop_mt(session, config);
    fuse_loop_cfg_destroy(config);
    return rc;
}

int run(const Options &o, int rootFd)
{
    Context ctx{o, InodeTable(rootFd), Latency(o.delayMicros)};
    fuse_args args = mountArguments(o);
    const fuse_lowlevel_ops ops = operations();
    fuse_session *session = fuse_session_new(&args, &ops, sizeof ops, &ctx);
    fuse_opt_free_args(&args);
    if (!session)
        return 1;
    int rc = 1;
    if (fuse_set_signal_handlers(session) == 0) {
        if (fuse_session_mount(session, o.mountPoint.c_str()) == 0) {
            fuse_daemonize(o.foreground);
            rc = serve(session, o) == 0 ? 0 : 1;
            fuse_session_unmount(session);
        }
        fuse_remove_signal_handlers(session);
    }
    fuse_session_destroy(session);
    if (!o.statsFile.empty())
        std::ofstream(o.statsFile) << ctx.latency.report();
    return rc;
}

} // namespace

int main(int argc, char *argv[])
{
    const auto options = parseOptions(argc, argv);
    if (!options)
        return 2;
    const int rootFd = open(options->backing.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (rootFd == -1) {
        std::perror(options->backing.c_str());
        return 1;
    }
    // The kernel has already applied the caller's umask to every mode it
    // sends; ours must not take bits away a second time.
    umask(0);
    return run(*options, rootFd);
}
