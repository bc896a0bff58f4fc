// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

// Reads a known list of bitmap files ahead, one after the other in the list's order, on a
// thread of its own, so that their reading and decoding runs beside whatever the program does
// meanwhile (at start-up: connecting to the display and building the windows).
//
// Load(path) hands over what reading that path gave, waiting for it if need be: the picture,
// or the load error of LoadBitmap raised again. Each prefetched result is handed over once; a
// path that is not in the list, or asked for again, is read on the spot with LoadBitmap.
//
// Destroying the prefetch stops the thread after the file it is reading and waits for it, so
// pictures nobody asked for cost at most one more file. Where no thread can be started, nothing
// is read ahead and every picture is read when it is asked for.
class TPicturePrefetch {
public:
    explicit TPicturePrefetch(QStringList paths);
    ~TPicturePrefetch();
    TPicturePrefetch(const TPicturePrefetch&) = delete;
    TPicturePrefetch& operator=(const TPicturePrefetch&) = delete;

    QImage Load(const QString& path);

private:
    struct TEntry {
        QString Path;
        QImage Picture;
        std::exception_ptr Error;
        bool Ready = false;
        bool Taken = false;
    };

    void ReadAll();

    std::vector<TEntry> FEntries;   // fixed in size from construction on
    std::mutex FMutex;
    std::condition_variable FReady;
    bool FStop = false;
    std::thread FThread;            // last: started once everything above exists
};
