#pragma once

#include <QByteArray>
#include <QList>

#include <xcb/xcb.h>

#include <atomic>
#include <mutex>
#include <optional>
#include <thread>

// Another program holding CLIPBOARD: its own X connection, served on its own
// thread, each target answered as scripted, including the ways a broken or
// hostile owner answers. Or a clipboard manager.
class TestOwner {
public:
    enum class Answer {
        Data,        // the bytes in one property
        Incremental, // INCR in 64 KiB pieces
        EndlessIncr, // INCR whose pieces never end
        Refuse,      // SelectionNotify with property None
        Ignore,      // never answers this target
    };
    struct Target {
        QByteArray name;
        QByteArray data;
        QByteArray type = {}; // empty: the target's name
        int format = 8;
        Answer answer = Answer::Data;
    };
    // A target named TARGETS replaces the list of targets, as a broken owner's.
    enum class Mode {
        Serve,
        // Owns CLIPBOARD_MANAGER instead; asked to SAVE_TARGETS, it reads the
        // clipboard's UTF8_STRING from its owner before it answers.
        ClipboardManager,
    };

    explicit TestOwner(QList<Target> targets, Mode mode = Mode::Serve,
                       QList<xcb_atom_t> extraTargetAtoms = {});
    ~TestOwner();
    bool owns() const { return owns_; }
    // What the clipboard manager saved.
    QByteArray saved() const;

    // Sets the CLIPBOARD owner to None, as when the owning program exits.
    static void clearSelection();
    // Asks the CLIPBOARD owner for several targets in one MULTIPLE request,
    // as some toolkits do: each target's bytes, or nothing where it was refused.
    static QList<std::optional<QByteArray>> requestMultiple(const QList<QByteArray>& targets);

private:
    void serve();
    void answer(const xcb_selection_request_event_t& request);
    void sendPiece(xcb_window_t requestor, xcb_atom_t property);
    QByteArray readClipboardText();

    QList<Target> targets_;
    Mode mode_;
    QList<xcb_atom_t> extraTargetAtoms_;
    xcb_connection_t* c_ = nullptr;
    xcb_window_t window_ = 0;
    xcb_atom_t clipboard_ = 0, targetsAtom_ = 0, incr_ = 0, saveTargets_ = 0;
    QList<xcb_atom_t> targetAtoms_, typeAtoms_;
    struct Piecewise {
        xcb_window_t requestor;
        xcb_atom_t property;
        qsizetype target;
        qsizetype offset;
    };
    std::optional<Piecewise> transfer_; // one at a time
    bool owns_ = false;
    mutable std::mutex mutex_;
    QByteArray saved_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
