#pragma once

// What the exchange tests of the desktop program share: the built
// belvane-service started on 127.0.0.1 (a port the system picks) with a
// database in a temporary folder, and data folders that know the service and
// their user.

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "exchange/exchange_client.h"
#include "gui_test_support.h"
#include "helpers/build_paths.h"
#include "helpers/exchange_service.h"

namespace belvane::guitest {

class LocalService {
public:
    LocalService()
    {
        const QString program = QString::fromStdString(testing::ServicePath().string());
        if (!QFileInfo::exists(program))
            return;
        process_.setProgram(program);
        process_.setArguments({QStringLiteral("--db"), dir_.filePath(QStringLiteral("exchange.sqlite")),
                               QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")});
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
        if (!process_.waitForStarted(5000))
            return;
        // The first line is the address it listens on.
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {}
        const QString line = QString::fromUtf8(process_.readLine()).trimmed();
        if (line.startsWith(QStringLiteral("http://127.0.0.1:")))
            url_ = line;
    }
    LocalService(const LocalService&) = delete;
    LocalService& operator=(const LocalService&) = delete;
    ~LocalService()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        if (!process_.waitForFinished(5000))
            process_.kill();
        process_.waitForFinished(2000);
    }

    bool running() const { return !url_.isEmpty(); }
    // "http://127.0.0.1:PORT".
    const QString& url() const { return url_; }

    // A client of the service for another user (or another program).
    exchange::ExchangeClient client(const std::string& name, const std::string& mail,
                                    const std::string& appId = std::string(exchange::ApplicationId)) const
    {
        exchange::ExchangeIdentity who;
        who.UserName = name;
        who.UserMail = mail;
        who.AppId = appId;
        who.AuthorKey = belvane::testing::TestAuthorKey(mail);
        return exchange::ExchangeClient(url_.toStdString(), who);
    }

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString url_;
};

// The configuration file of a data folder: the service and who the user is
// (ASCII, so the file's code page does not matter), with the key the test
// clients of that contact have: the folder's user is their author.
inline void writeOnlineSettings(const DataFolder& folder, const QString& url, const QString& name, const QString& mail)
{
    QFile file(QString::fromStdString(folder.files().config().string()));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Append));
    file.write(QStringLiteral("[ONLINE]\r\nServiceUrl=%1\r\nUserName=%2\r\nUserMail=%3\r\nAuthorKey=%4\r\n")
                   .arg(url, name, mail, QString::fromStdString(belvane::testing::TestAuthorKey(mail.toStdString())))
                   .toLatin1());
}

// The text of a cell of a list.
inline QString cellOf(const QAbstractItemView* view, int row, int column)
{
    return view->model()->index(row, column).data().toString();
}

} // namespace belvane::guitest

#define BELVANE_REQUIRE_SERVICE(service)                                                                               \
    do {                                                                                                               \
        if (!(service).running())                                                                                      \
            QSKIP("belvane-service is not built in this configuration");                                               \
    } while (false)
