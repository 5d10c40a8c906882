// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

// A real HTTP server on 127.0.0.1 for the exchange-rate tests, run by the test's own event loop.
// Each path answers with a canned response; "/stall" accepts and never answers.

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace orv::testing {

class LocalHttpServer {
  public:
    LocalHttpServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
            }
        });
    }

    bool listening() const { return server_.isListening(); }
    QUrl url(const QString& path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
    }
    int requests(const QString& path) const { return requests_.value(path); }

    void serve(const QString& path, QByteArray body, int status = 200, QByteArray extraHeaders = {}) {
        routes_[path] = {status, std::move(body), std::move(extraHeaders)};
    }
    void serveFile(const QString& path, const QString& file) {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        serve(path, f.readAll());
    }
    void redirect(const QString& path, const QByteArray& location) {
        serve(path, {}, 302, "Location: " + location + "\r\n");
    }

  private:
    struct Route {
        int status = 200;
        QByteArray body;
        QByteArray headers;
    };

    void answer(QTcpSocket* socket) {
        QByteArray& request = pending_[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n")) return;
        const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
        pending_.remove(socket);
        const QString path = words.size() > 1 ? QString::fromLatin1(words[1]) : QString();
        ++requests_[path];
        if (path == QLatin1String("/stall")) return; // accepted, never answered
        const auto route = routes_.constFind(path);
        const Route found = route == routes_.constEnd() ? Route{404, "not here", {}} : *route;
        QByteArray response = "HTTP/1.1 " + QByteArray::number(found.status) +
                              (found.status == 200 ? " OK" : found.status == 404 ? " Not Found" : " Found") +
                              "\r\nContent-Length: " + QByteArray::number(found.body.size()) +
                              "\r\nContent-Type: text/xml\r\nConnection: close\r\n" + found.headers + "\r\n" +
                              found.body;
        socket->write(response);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QString, Route> routes_;
    QHash<QTcpSocket*, QByteArray> pending_;
    QHash<QString, int> requests_;
};

} // namespace orv::testing
