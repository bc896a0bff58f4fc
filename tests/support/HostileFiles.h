// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// While alive, files are opened with the rights of the ordinary user "nobody" when the tests
// run as root, so that a file the user may not read is really refused (root reads it anyway).
// Only the effective ids change; the destructor takes root's back.
class TAsOrdinaryUser {
public:
    TAsOrdinaryUser()
    {
        if (::geteuid() != 0)
            return;
        FWasRoot = true;
        FActive = ::setegid(Nobody) == 0 && ::seteuid(Nobody) == 0;
    }
    ~TAsOrdinaryUser()
    {
        if (FWasRoot) {
            [[maybe_unused]] const int u = ::seteuid(0);
            [[maybe_unused]] const int g = ::setegid(0);
        }
    }
    TAsOrdinaryUser(const TAsOrdinaryUser&) = delete;
    TAsOrdinaryUser& operator=(const TAsOrdinaryUser&) = delete;

    // False when running as root and the ids could not be dropped: the caller skips the case.
    bool Active() const { return !FWasRoot || FActive; }

private:
    static constexpr uid_t Nobody = 65534;
    bool FWasRoot = false;
    bool FActive = false;
};

// Lets nobody into a folder the tests made (temporary folders are private to their owner).
inline void OpenToEveryone(const QString& folder)
{
    ::chmod(QFile::encodeName(folder).constData(), 0755);
}

// A reader stuck opening the FIFO at path would stall the test for good: after the deadline
// this opens the writing end once, which releases such a reader, and remembers that it had to.
class TFifoWatchdog {
public:
    explicit TFifoWatchdog(QString path, std::chrono::seconds deadline = std::chrono::seconds(5))
        : FPath(QFile::encodeName(path)),
          FThread([this, deadline] {
              std::unique_lock lock(FMutex);
              if (FDone.wait_for(lock, deadline, [this] { return FStop; }))
                  return;
              const int fd = ::open(FPath.constData(), O_WRONLY | O_NONBLOCK);
              if (fd >= 0) {
                  FFired = true;
                  ::close(fd);
              }
          })
    {
    }
    ~TFifoWatchdog()
    {
        {
            std::lock_guard lock(FMutex);
            FStop = true;
        }
        FDone.notify_all();
        FThread.join();
    }
    TFifoWatchdog(const TFifoWatchdog&) = delete;
    TFifoWatchdog& operator=(const TFifoWatchdog&) = delete;

    // True when the reader was still waiting at the deadline.
    bool Fired() const { return FFired; }

private:
    QByteArray FPath;
    std::mutex FMutex;
    std::condition_variable FDone;
    bool FStop = false;
    std::atomic<bool> FFired = false;
    std::thread FThread;
};
