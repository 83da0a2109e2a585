#pragma once

#include <QProcess>
#include <QString>

// A virtual X server (Xvfb) of the bench's own, on a display number it picks
// itself among the free ones; stopped with this object.
class XServer {
public:
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool running() const { return !display_.isEmpty(); }
    QString display() const { return display_; }  // ":N", empty when not running
    QString failure() const { return failure_; }   // why it is not running

private:
    QProcess server_;
    QString display_;
    QString failure_;
};
