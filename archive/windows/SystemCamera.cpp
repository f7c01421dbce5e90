#include "archive/windows/SystemCamera.h"

#include <QImage>
#include <QMediaDevices>
#include <QMutexLocker>

namespace custovia {

void FrameMailbox::open(std::function<void(const QImage&)> onFrame) {
    QMutexLocker lock(&mutex_);
    latest_ = QVideoFrame();
    onFrame_ = std::move(onFrame);
}

void FrameMailbox::close() {
    QMutexLocker lock(&mutex_);
    latest_ = QVideoFrame();
    onFrame_ = nullptr;
}

void FrameMailbox::put(const QVideoFrame& frame) {
    {
        QMutexLocker lock(&mutex_);
        latest_ = frame;
        if (pending_) return;  // the hand-over already posted will take this frame
        pending_ = true;
    }
    QMetaObject::invokeMethod(this, &FrameMailbox::handOver, Qt::QueuedConnection);
}

void FrameMailbox::handOver() {
    QVideoFrame frame;
    std::function<void(const QImage&)> onFrame;
    {
        QMutexLocker lock(&mutex_);
        frame = std::move(latest_);
        latest_ = QVideoFrame();
        pending_ = false;
        onFrame = onFrame_;
    }
    if (!onFrame || !frame.isValid()) return;  // stopped meanwhile
    const QImage image = frame.toImage();
    if (!image.isNull()) onFrame(image);
}

SystemCamera::SystemCamera() = default;

SystemCamera::~SystemCamera() { stop(); }

bool SystemCamera::available() { return !QMediaDevices::videoInputs().isEmpty(); }

bool SystemCamera::start(std::function<void(const QImage&)> onFrame) {
    stop();
    const QCameraDevice device = QMediaDevices::defaultVideoInput();
    if (device.isNull()) return false;
    if (!mailbox_) mailbox_ = std::make_unique<FrameMailbox>();
    camera_ = std::make_unique<QCamera>(device);
    session_ = std::make_unique<QMediaCaptureSession>();
    sink_ = std::make_unique<QVideoSink>();
    mailbox_->open(std::move(onFrame));
    // direct: the mailbox takes the frame on whatever thread the sink delivers it
    QObject::connect(sink_.get(), &QVideoSink::videoFrameChanged, mailbox_.get(), &FrameMailbox::put,
                     Qt::DirectConnection);
    session_->setCamera(camera_.get());
    session_->setVideoSink(sink_.get());
    camera_->start();
    if (camera_->error() != QCamera::NoError) {
        stop();
        return false;
    }
    return true;
}

void SystemCamera::stop() {
    if (mailbox_) mailbox_->close();
    if (camera_) camera_->stop();
    if (sink_) QObject::disconnect(sink_.get(), nullptr, mailbox_.get(), nullptr);
    session_.reset();
    sink_.reset();
    camera_.reset();
}

bool SystemCamera::running() const { return camera_ && camera_->isActive(); }

}  // namespace custovia
