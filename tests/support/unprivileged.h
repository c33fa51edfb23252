// SPDX-License-Identifier: GPL-3.0-or-later
// Permissions bind every user but root, and CI runs the tests as root: a
// test about them hands its files to nobody and runs its steps as nobody in
// a child process there, and as itself for any other user. POSIX only.
#pragma once

#include <QFile>
#include <QStringList>
#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorlink::test {

constexpr uid_t kNobody = 65534;

// Makes nobody the owner of paths when root runs the test; false when that fails.
inline bool HandOver(const QStringList& paths)
{
    if (geteuid() != 0)
        return true;
    for (const QString& path : paths)
        if (::lchown(QFile::encodeName(path).constData(), kNobody, kNobody) != 0)
            return false;
    return true;
}

// What work returned, run as nobody (no groups) when root runs the test; false
// when the child could not become nobody.
inline bool AsUnprivileged(const std::function<bool()>& work)
{
    if (geteuid() != 0)
        return work();
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0)
        _exit(setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0 && geteuid() != 0 && work()
                  ? 0
                  : 1);
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace quorlink::test
