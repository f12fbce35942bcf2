#pragma once

// Driving a modal window that a function opens and waits for: the actions run once the
// window shows, and must close it; a window they leave open fails the test and is closed.

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

template <typename Window, typename Open>
auto whileOpen(Open open, const std::function<void(Window&)>& act)
{
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window) {
            ADD_FAILURE() << "no modal window";
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                other->reject();
            return;
        }
        act(*window);
        if (window->isVisible()) {
            ADD_FAILURE() << "the window stayed open";
            window->reject();
        }
    });
    return open();
}
