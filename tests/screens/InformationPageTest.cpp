// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "screens/InformationPage.h"

#include "FakeServices.h"

#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

TEST(InformationPage, AddressNamesTheExecutableWithoutFolderAndExtension)
{
    const QString prefix = QStringLiteral("http://www.bramel.example/info.php?pf=w&sn=");
    struct TCase { const char* path; const char* encoded; const char* decoded; };
    const TCase cases[] = {
        {"/opt/tarvo/tarvo", "tarvo", "tarvo"},                     // no extension: the whole name
        {"/x/Tarvo.exe", "Tarvo", "Tarvo"},
        {"/x/my.game.v2", "my.game", "my.game"},                    // only the last dot goes
        {"/x.d/tarvo", "tarvo", "tarvo"},                           // a dot in the folder is not an extension
        {"/x/a&b c#d?e", "a%26b%20c%23d%3Fe", "a&b c#d?e"},         // no query keys or fragment of its own
        {"/x/50%+1.bin", "50%25%2B1", "50%+1"},
        {"/x/タルヴォ.exe", "%E3%82%BF%E3%83%AB%E3%83%B4%E3%82%A9", "タルヴォ"},
    };
    for (const TCase& c : cases) {
        const QString address = InformationAddress(QString::fromUtf8(c.path));
        EXPECT_EQ(address, prefix + QLatin1String(c.encoded)) << c.path;
        const QUrlQuery query(QUrl(address, QUrl::StrictMode));
        EXPECT_EQ(query.queryItems(QUrl::FullyDecoded).size(), 2) << c.path;
        EXPECT_EQ(query.queryItemValue(QStringLiteral("sn"), QUrl::FullyDecoded), QString::fromUtf8(c.decoded)) << c.path;
        EXPECT_EQ(query.queryItemValue(QStringLiteral("pf")), QStringLiteral("w")) << c.path;
    }
}

TEST(InformationPage, OpensTheAddressOfTheRunningExecutable)
{
    TFakeServices services;
    services.ExePath = QStringLiteral("/home/u/games/Tarvo.exe");
    OpenInformationPage(services);
    EXPECT_EQ(services.Urls, QStringList{QStringLiteral("http://www.bramel.example/info.php?pf=w&sn=Tarvo")});
}
