#include "platform/portal/PipeWireFrames.h"

#include <QMetaObject>

#include <qcoro/qcorosignal.h>

#include <fcntl.h>
#include <unistd.h>

// PipeWire's headers are C: their macros build parameter objects with casts
// and compound literals.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
#pragma GCC diagnostic ignored "-Wold-style-cast"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <pipewire/pipewire.h>
#include <spa/param/video/format-utils.h>
#include <spa/pod/builder.h>

struct PipeWireFrames::Node {
    PipeWireFrames* owner = nullptr;
    uint id = 0;
    pw_stream* stream = nullptr;
    spa_hook listener{};
    spa_video_info_raw format{};
    QImage image;
    bool settled = false;

    void settle() {
        if (settled)
            return;
        settled = true;
        owner->nodeSettled();
    }
};

namespace {

QImage::Format qtFormat(spa_video_format format) {
    switch (format) {
    case SPA_VIDEO_FORMAT_BGRx:
        return QImage::Format_RGB32; // B, G, R, x in memory on little-endian machines
    case SPA_VIDEO_FORMAT_BGRA:
        return QImage::Format_ARGB32;
    case SPA_VIDEO_FORMAT_RGBx:
        return QImage::Format_RGBX8888;
    case SPA_VIDEO_FORMAT_RGBA:
        return QImage::Format_RGBA8888;
    case SPA_VIDEO_FORMAT_RGB:
        return QImage::Format_RGB888;
    case SPA_VIDEO_FORMAT_BGR:
        return QImage::Format_BGR888;
    default:
        return QImage::Format_Invalid;
    }
}

const spa_pod* formatsWeRead(spa_pod_builder& builder) {
    spa_rectangle size{1920, 1080};
    spa_rectangle minSize{1, 1};
    spa_rectangle maxSize{16384, 16384};
    spa_fraction rate{30, 1};
    spa_fraction minRate{0, 1};
    spa_fraction maxRate{1000, 1};
    return static_cast<const spa_pod*>(spa_pod_builder_add_object(
        &builder, SPA_TYPE_OBJECT_Format, SPA_PARAM_EnumFormat, SPA_FORMAT_mediaType,
        SPA_POD_Id(SPA_MEDIA_TYPE_video), SPA_FORMAT_mediaSubtype,
        SPA_POD_Id(SPA_MEDIA_SUBTYPE_raw), SPA_FORMAT_VIDEO_format,
        SPA_POD_CHOICE_ENUM_Id(7, SPA_VIDEO_FORMAT_BGRx, SPA_VIDEO_FORMAT_BGRx,
                               SPA_VIDEO_FORMAT_BGRA, SPA_VIDEO_FORMAT_RGBx, SPA_VIDEO_FORMAT_RGBA,
                               SPA_VIDEO_FORMAT_RGB, SPA_VIDEO_FORMAT_BGR),
        SPA_FORMAT_VIDEO_size, SPA_POD_CHOICE_RANGE_Rectangle(&size, &minSize, &maxSize),
        SPA_FORMAT_VIDEO_framerate, SPA_POD_CHOICE_RANGE_Fraction(&rate, &minRate, &maxRate)));
}

// Memory we can read directly; no GPU buffers.
const spa_pod* buffersWeRead(spa_pod_builder& builder) {
    return static_cast<const spa_pod*>(spa_pod_builder_add_object(
        &builder, SPA_TYPE_OBJECT_ParamBuffers, SPA_PARAM_Buffers, SPA_PARAM_BUFFERS_dataType,
        SPA_POD_CHOICE_FLAGS_Int((1 << SPA_DATA_MemPtr) | (1 << SPA_DATA_MemFd))));
}

void onParamChanged(void* data, uint32_t id, const spa_pod* param) {
    auto* node = static_cast<PipeWireFrames::Node*>(data);
    if (param == nullptr || id != SPA_PARAM_Format)
        return;
    uint32_t mediaType = 0;
    uint32_t mediaSubtype = 0;
    if (spa_format_parse(param, &mediaType, &mediaSubtype) < 0 ||
        mediaType != SPA_MEDIA_TYPE_video || mediaSubtype != SPA_MEDIA_SUBTYPE_raw ||
        spa_format_video_raw_parse(param, &node->format) < 0) {
        node->settle();
        return;
    }
    uint8_t storage[256];
    spa_pod_builder builder = SPA_POD_BUILDER_INIT(storage, sizeof(storage));
    const spa_pod* params[] = {buffersWeRead(builder)};
    pw_stream_update_params(node->stream, params, 1);
}

QImage copyFrame(const spa_buffer& buffer, const spa_video_info_raw& format) {
    const spa_data& plane = buffer.datas[0];
    const auto* header = static_cast<const spa_meta_header*>(
        spa_buffer_find_meta_data(&buffer, SPA_META_Header, sizeof(spa_meta_header)));
    if (header != nullptr && (header->flags & SPA_META_HEADER_FLAG_CORRUPTED))
        return {};
    const QImage::Format qt = qtFormat(format.format);
    if (plane.data == nullptr || plane.chunk == nullptr || plane.chunk->size == 0 ||
        qt == QImage::Format_Invalid)
        return {};
    const int width = int(format.size.width);
    const int height = int(format.size.height);
    const int bytesPerPixel = QImage::toPixelFormat(qt).bitsPerPixel() / 8;
    const int stride = plane.chunk->stride > 0 ? plane.chunk->stride : width * bytesPerPixel;
    const uint64_t needed =
        uint64_t(stride) * uint64_t(height - 1) + uint64_t(width) * bytesPerPixel;
    if (width <= 0 || height <= 0 || stride < width * bytesPerPixel ||
        uint64_t(plane.chunk->offset) + needed > plane.maxsize)
        return {};
    const auto* pixels = static_cast<const uchar*>(plane.data) + plane.chunk->offset;
    // The buffer goes back to PipeWire: the image must own its pixels (a
    // conversion to the format it already has would only share them).
    const QImage view(pixels, width, height, stride, qt);
    return view.format() == QImage::Format_RGB32 ? view.copy()
                                                 : view.convertToFormat(QImage::Format_RGB32);
}

void onProcess(void* data) {
    auto* node = static_cast<PipeWireFrames::Node*>(data);
    pw_buffer* buffer = pw_stream_dequeue_buffer(node->stream);
    if (buffer == nullptr)
        return;
    if (!node->settled) {
        QImage image = copyFrame(*buffer->buffer, node->format);
        if (!image.isNull()) {
            node->image = std::move(image);
            node->settle();
        }
    }
    pw_stream_queue_buffer(node->stream, buffer);
}

void onStateChanged(void* data, pw_stream_state, pw_stream_state state, const char*) {
    auto* node = static_cast<PipeWireFrames::Node*>(data);
    if (state == PW_STREAM_STATE_ERROR || state == PW_STREAM_STATE_UNCONNECTED)
        node->settle();
}

const pw_stream_events streamEvents = [] {
    pw_stream_events events{};
    events.version = PW_VERSION_STREAM_EVENTS;
    events.state_changed = onStateChanged;
    events.param_changed = onParamChanged;
    events.process = onProcess;
    return events;
}();

} // namespace

PipeWireFrames::PipeWireFrames() {
    pw_init(nullptr, nullptr);
}

PipeWireFrames::~PipeWireFrames() {
    stop();
}

void PipeWireFrames::nodeSettled() {
    if (settled_)
        return;
    for (const auto& node : nodes_)
        if (!node->settled)
            return;
    settled_ = true;
    QMetaObject::invokeMethod(
        this, [this] { Q_EMIT settled(); }, Qt::QueuedConnection);
}

QCoro::Task<std::map<uint, QImage>> PipeWireFrames::read(int fd, QList<uint> nodeIds,
                                                         std::chrono::milliseconds timeout) {
    std::map<uint, QImage> frames;
    const int ours = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    if (ours < 0 || nodeIds.isEmpty() || loop_ != nullptr) {
        if (ours >= 0)
            ::close(ours);
        co_return frames;
    }
    loop_ = pw_thread_loop_new("inkharbor-screen", nullptr);
    context_ = pw_context_new(pw_thread_loop_get_loop(loop_), nullptr, 0);
    pw_thread_loop_lock(loop_);
    core_ = context_ != nullptr ? pw_context_connect_fd(context_, ours, nullptr, 0) : nullptr;
    if (core_ != nullptr) {
        for (uint id : nodeIds) {
            auto node = std::make_unique<Node>();
            node->owner = this;
            node->id = id;
            node->stream =
                pw_stream_new(core_, "inkharbor-screen",
                              pw_properties_new(PW_KEY_MEDIA_TYPE, "Video", PW_KEY_MEDIA_CATEGORY,
                                                "Capture", PW_KEY_MEDIA_ROLE, "Screen", nullptr));
            if (node->stream == nullptr)
                continue;
            pw_stream_add_listener(node->stream, &node->listener, &streamEvents, node.get());
            uint8_t storage[1024];
            spa_pod_builder builder = SPA_POD_BUILDER_INIT(storage, sizeof(storage));
            const spa_pod* params[] = {formatsWeRead(builder)};
            const auto flags =
                pw_stream_flags(PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS);
            Node* raw = node.get();
            nodes_.push_back(std::move(node));
            if (pw_stream_connect(raw->stream, PW_DIRECTION_INPUT, id, flags, params, 1) < 0)
                raw->settled = true;
        }
    } else if (context_ == nullptr) {
        ::close(ours);
    }
    const bool started = core_ != nullptr && !nodes_.empty();
    if (started)
        pw_thread_loop_start(loop_);
    pw_thread_loop_unlock(loop_);

    if (started) {
        pw_thread_loop_lock(loop_);
        nodeSettled();
        const bool done = settled_;
        pw_thread_loop_unlock(loop_);
        if (!done)
            co_await qCoro(this, &PipeWireFrames::settled, timeout);
    }
    stop();
    for (const auto& node : nodes_)
        frames[node->id] = node->image;
    co_return frames;
}

void PipeWireFrames::stop() {
    if (loop_ == nullptr)
        return;
    pw_thread_loop_stop(loop_);
    for (const auto& node : nodes_) {
        if (node->stream != nullptr) {
            spa_hook_remove(&node->listener);
            pw_stream_destroy(node->stream);
            node->stream = nullptr;
        }
    }
    if (core_ != nullptr)
        pw_core_disconnect(core_);
    if (context_ != nullptr)
        pw_context_destroy(context_);
    pw_thread_loop_destroy(loop_);
    core_ = nullptr;
    context_ = nullptr;
    loop_ = nullptr;
}

#pragma GCC diagnostic pop
