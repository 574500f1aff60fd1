#pragma once

#include <QWidget>

class SelectionView;

// A borderless window covering one display above everything else (the
// display's Screens::show places it). With
// INKHARBOR_OVERLAY_WINDOWED=1 it is an ordinary window, for debugging
// without losing the desktop.
class OverlayWindow : public QWidget {
    Q_OBJECT
public:
    explicit OverlayWindow(SelectionView* view);

    SelectionView* view() const { return view_; }
    static bool isWindowedForDebugging();

private:
    SelectionView* view_;
};
