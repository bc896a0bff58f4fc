// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// Fuzz target of the registry file reader: the bytes become the registry file, and the values
// of a history (HistoryCount, History0 ...) are read from the first few keys in it. Reading may
// raise the toolkit's errors (a value of another type, one that cannot be read); it must not
// crash, hang or read past its data.
#include "toolkit/stores/ProfileText.h"
#include "toolkit/stores/Registry.h"
#include "toolkit/base/ToolkitError.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

using namespace TarvoWidgets;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registry.conf"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 0;
    }

    TRegistry reg(path);
    const QStringList keys = TProfileText::Parse(bytes).SectionNames();
    for (const QString& key : keys.mid(0, 8)) {
        try {
            if (!reg.OpenKey(QStringLiteral("\\") + key, false))
                continue;
            for (const char* name : {"HistoryCount", "History0", "History1", "History2"}) {
                const QString value = QString::fromLatin1(name);
                switch (reg.GetDataType(value)) {
                case TRegistry::rdInteger: reg.ReadInteger(value); break;
                case TRegistry::rdString: reg.ReadString(value); break;
                case TRegistry::rdUnknown: reg.ValueExists(value); break;
                }
            }
            reg.KeyExists(QStringLiteral("Sub"));
        } catch (const EToolkitError&) {
            // a value of another type or one that cannot be read: the reader's answer
        }
    }
    return 0;
}
