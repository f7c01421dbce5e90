#pragma once
// The system's default camera through Qt Multimedia. The video sink may deliver frames on a
// thread of the capture facility; they pass to the user-interface thread through a mailbox
// that keeps only the latest frame and posts one queued hand-over at a time, so the capture
// thread never blocks on the window and stopping never waits on a frame.
#include <QCamera>
#include <QMediaCaptureSession>
#include <QMutex>
#include <QObject>
#include <QVideoFrame>
#include <QVideoSink>
#include <memory>

#include "archive/windows/Environment.h"

namespace custovia {

// Holds the latest frame from any thread; hands it over on the thread it lives in.
class FrameMailbox final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void open(std::function<void(const QImage&)> onFrame);
    void close();
    // Called on the capture thread: replaces any frame not yet handed over.
    void put(const QVideoFrame& frame);

private:
    void handOver();

    QMutex mutex_;
    QVideoFrame latest_;
    bool pending_ = false;
    std::function<void(const QImage&)> onFrame_;  // touched on the user-interface thread only
};

class SystemCamera final : public Camera {
public:
    SystemCamera();
    ~SystemCamera() override;
    bool available() override;
    bool start(std::function<void(const QImage&)> onFrame) override;
    void stop() override;
    bool running() const override;

private:
    std::unique_ptr<QCamera> camera_;
    std::unique_ptr<QMediaCaptureSession> session_;
    std::unique_ptr<QVideoSink> sink_;
    std::unique_ptr<FrameMailbox> mailbox_;
};

}  // namespace custovia
