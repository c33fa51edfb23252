// The verbs that talk to a radio: read, write and clear.
#include "clone_protocol.h"
#include "error_log.h"
#include "latin1.h"
#include "model.h"
#include "model_files.h"
#include "port_names.h"
#include "prompt.h"
#include "qt_serial_port.h"
#include "serial_link.h"
#include "transfer_runs.h"
#include "verbs.h"

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace quorlink::cli {

namespace {

// Ctrl+C cancels a transfer the way the dialog's Cancel button does; the
// waits look at it on every turn.
volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) { interrupted = 1; }

const ErrorLog kNoLog{QString()};

class ProgressBar {
public:
    ProgressBar(std::FILE* to, const char* what) : to_(to), what_(what), shown_(isatty(fileno(to)) != 0) {}
    ~ProgressBar()
    {
        if (shown_ && drawn_)
            std::fputc('\n', to_);
    }
    void Show(int percent)
    {
        if (!shown_ || percent == last_)
            return;
        last_ = percent;
        drawn_ = true;
        const int filled = percent * 30 / 100;
        std::fprintf(to_, "\r%-8s [%.*s%*s] %3d%%", what_, filled, "##############################", 30 - filled, "",
                     percent);
        std::fflush(to_);
    }

private:
    std::FILE* to_;
    const char* what_;
    bool shown_;
    bool drawn_ = false;
    int last_ = -1;
};

using Run = bool (*)(CloneProtocol&);

// Opens the port given on the command line and runs one whole transfer.
bool Transfer(const Call& call, const char* what, Run run)
{
    const std::optional<PortChoice> port = ParsePortChoice(ToQString(*call.args.port));
    QtSerialPort serial;
    SerialLink link(serial, call.model, kNoLog);
    link.UsePort(*port);
    ProgressBar bar(call.io.err, what);
    interrupted = 0;
    CloneProtocol protocol(link, call.prompt, {[&bar](int percent) { bar.Show(percent); },
                                               [] { return interrupted != 0; }});
    return run(protocol);
}

}  // namespace

void InstallInterruptHandler() { std::signal(SIGINT, OnInterrupt); }

bool IsPort(const std::string& text) { return ParsePortChoice(ToQString(text)).has_value(); }

int RunRead(const Call& call)
{
    // A failed or cancelled read writes no file.
    if (!Transfer(call, "Reading", RunReadTransfer))
        return kFailed;
    return SaveModelFile(call.model, call.args.positional[0], FileContext{call.prompt, kNoLog, 0}) ? kOk : kFailed;
}

int RunWrite(const Call& call)
{
    if (!LoadModelFile(call.model, call.args.positional[0], FileContext{call.prompt, kNoLog, 0}))
        return kFailed;
    return Transfer(call, "Writing", RunWriteTransfer) ? kOk : kFailed;
}

int RunClear(const Call& call) { return Transfer(call, "Clearing", RunClearTransfer) ? kOk : kFailed; }

}  // namespace quorlink::cli
