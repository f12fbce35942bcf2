#pragma once

// The main window's own controls, found by their names, for the tests of the frame.

#include "platform/editorcontrol.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QToolButton>
#include <QTreeWidget>

struct FrameControls
{
    explicit FrameControls(const QWidget& window) : m_window(window) {}

    template <class Control> Control* named(const char* name) const
    {
        return m_window.findChild<Control*>(QLatin1String(name));
    }
    // A status bar panel by its key: "kMain", "SK", "SST", "SLN" or "KOL".
    QString panel(const char* key) const { return named<QLabel>(key)->text(); }

    const QWidget& m_window;
    EditorControl* T1 = named<EditorControl>("T1");
    QTreeWidget* TV = named<QTreeWidget>("TV");
    QWidget* PTfon = named<QWidget>("PTfon");
    QWidget* PWEB = named<QWidget>("PWEB");
    QWidget* PGm = named<QWidget>("PGm");
    QWidget* Pmarker = named<QWidget>("Pmarker");
    QWidget* Pfile = named<QWidget>("Pfile");
    QWidget* PHTbar = named<QWidget>("PHTbar");
    QLabel* lbWEBshov = named<QLabel>("lbWEBshov");
    QPlainTextEdit* TXTtargmna = named<QPlainTextEdit>("TXTtargmna");
    QTabBar* TAB1 = named<QTabBar>("TAB1");
    QToolButton* Cadd = named<QToolButton>("Cadd");
    QToolButton* Cdel = named<QToolButton>("Cdel");
};

inline FrameControls frameOf(const QWidget& window)
{
    return FrameControls(window);
}
