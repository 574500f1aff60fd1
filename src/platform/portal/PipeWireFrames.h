#pragma once

#include <QImage>
#include <QList>
#include <QObject>

#include <qcoro/qcorotask.h>

#include <chrono>
#include <map>
#include <memory>
#include <mutex>

struct pw_thread_loop;
struct pw_context;
struct pw_core;

// One still frame of each of some PipeWire video nodes, as the screen-sharing
// portal hands them out, copied into memory. PipeWire runs on a thread of its
// own; the frames come back on the caller's.
class PipeWireFrames : public QObject {
    Q_OBJECT
public:
    PipeWireFrames();
    ~PipeWireFrames() override;

    // Reads one frame of each node through the PipeWire connection `fd` (a
    // copy is made; the caller keeps its own). Resumes when every node has
    // given a frame, or one has failed, or `timeout` has passed; a node
    // without a frame maps to a null image. Call once per object.
    QCoro::Task<std::map<uint, QImage>> read(int fd, QList<uint> nodeIds,
                                             std::chrono::milliseconds timeout);

    struct Node;

Q_SIGNALS:
    void settled();

private:
    friend struct Node;
    // From PipeWire's thread, with its loop locked.
    void nodeSettled();
    void stop();

    pw_thread_loop* loop_ = nullptr;
    pw_context* context_ = nullptr;
    pw_core* core_ = nullptr;
    std::vector<std::unique_ptr<Node>> nodes_;
    bool settled_ = false; // guarded by the loop's lock
};
