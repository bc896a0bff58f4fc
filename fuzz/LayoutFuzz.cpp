// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The stored-layout reader with the widget set registered: the bytes become a .ui file and
// TStoredLayout::Read builds it on a form. The only error allowed out is the toolkit's own.
#include "layouts/StoredLayout.h"
#include "toolkit/base/ToolkitError.h"
#include "layouts/WidgetSet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QWidget>
#include <cstdint>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

using namespace TarvoWidgets;

namespace {

// In memory where the system offers it (see BitmapFuzz.cpp).
const QString& LayoutFile()
{
    static const QString path = [] {
        const QDir folder = ::access("/dev/shm", W_OK) == 0 ? QDir(QStringLiteral("/dev/shm")) : QDir::temp();
        return folder.filePath(QStringLiteral("tarvo-layout-fuzz-%1.ui").arg(::getpid()));
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    RegisterWidgetSet();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QFile file(LayoutFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        __builtin_trap();
    file.close();
    QWidget form;
    try {
        std::unique_ptr<QWidget> top(TStoredLayout::Read(LayoutFile(), &form));
    } catch (const EToolkitError&) {
    }
    ::unlink(QFile::encodeName(LayoutFile()).constData());
    return 0;
}
