#pragma once
#include <QString>
#include <functional>

class QObject;

namespace wrk7 {

// Shows a file in the desktop's viewer for its type. failed runs (on the
// event loop, while context lives) when no viewer could show it: on Linux the
// opener only reports later, when it finds no viewer, so the answer cannot be
// a return value.
void ShowInDesktopViewer(const QString& path, QObject* context, std::function<void()> failed);

}  // namespace wrk7
