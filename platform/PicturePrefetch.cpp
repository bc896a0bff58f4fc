// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "platform/PicturePrefetch.h"

#include "platform/BitmapFile.h"

#include <algorithm>
#include <system_error>

TPicturePrefetch::TPicturePrefetch(QStringList paths)
{
    FEntries.reserve(std::size_t(paths.size()));
    for (QString& path : paths)
        FEntries.emplace_back().Path = std::move(path);
    try {
        FThread = std::thread([this] { ReadAll(); });
    } catch (const std::system_error&) {
        // No thread to be had (the process is at its limit): nothing is read ahead, and every
        // picture is read on the spot when it is asked for.
        FEntries.clear();
    }
}

TPicturePrefetch::~TPicturePrefetch()
{
    {
        const std::lock_guard lock(FMutex);
        FStop = true;
    }
    if (FThread.joinable())
        FThread.join();
}

void TPicturePrefetch::ReadAll()
{
    QByteArray buffer;   // one for every file
    for (TEntry& entry : FEntries) {
        {
            const std::lock_guard lock(FMutex);
            if (FStop)
                return;
        }
        // The path is only read here and the result is published under the lock, so the
        // reading itself needs none.
        QImage picture;
        std::exception_ptr error;
        try {
            picture = LoadBitmap(entry.Path, buffer);
        } catch (...) {
            error = std::current_exception();
        }
        {
            const std::lock_guard lock(FMutex);
            entry.Picture = std::move(picture);
            entry.Error = error;
            entry.Ready = true;
        }
        FReady.notify_all();
    }
}

QImage TPicturePrefetch::Load(const QString& path)
{
    std::unique_lock lock(FMutex);
    const auto entry = std::find_if(FEntries.begin(), FEntries.end(),
                                    [&](const TEntry& e) { return !e.Taken && e.Path == path; });
    if (entry == FEntries.end()) {
        lock.unlock();
        return LoadBitmap(path);
    }
    FReady.wait(lock, [&] { return entry->Ready; });
    entry->Taken = true;
    if (entry->Error)
        std::rethrow_exception(std::exchange(entry->Error, nullptr));
    return std::exchange(entry->Picture, QImage());
}
