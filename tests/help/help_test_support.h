#pragma once
// Finding the help window and the about box the way a user sees them: as top-level windows.

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace helptest {

inline QList<QWidget*> TopLevels(const QString& name) {
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name) found.append(window);
    }
    return found;
}

// Windows closed through their frame are deleted from the event loop; run those deletions now.
inline void RunPendingDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace helptest
