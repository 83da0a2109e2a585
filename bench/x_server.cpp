#include "bench/x_server.h"

XServer::XServer()
{
    server_.setStandardErrorFile(QProcess::nullDevice());
    // Xvfb writes the display number it took to the descriptor it is given.
    server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                           QStringLiteral("-screen"), QStringLiteral("0"),
                                           QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                           QStringLiteral("tcp")});
    if (!server_.waitForStarted(5000)) {
        failure_ = QStringLiteral("Xvfb cannot be started (%1)").arg(server_.errorString());
        return;
    }
    QByteArray number;
    while (!number.contains('\n') && server_.waitForReadyRead(10000)) number += server_.readAllStandardOutput();
    bool ok = false;
    const int display = number.trimmed().toInt(&ok);
    if (ok) display_ = QStringLiteral(":%1").arg(display);
    else failure_ = QStringLiteral("Xvfb gave no display");
}

XServer::~XServer()
{
    if (server_.state() == QProcess::NotRunning) return;
    server_.terminate();
    if (!server_.waitForFinished(5000)) server_.kill();
    server_.waitForFinished(5000);
}
