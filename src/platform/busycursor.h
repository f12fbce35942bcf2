#pragma once

#include <QCursor>
#include <QGuiApplication>

// Shows the busy pointer while it lives, so that every way out of a long command puts
// the pointer back.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
