#pragma once

// Where the main window's panes go: the arithmetic of the window's layout, apart from
// the widgets, so that every number can be checked.

#include <QRect>

struct MainLayoutInput
{
    int width = 0;         // the window's inner width
    int height = 0;        // its inner height, the status bar included
    int toolbarHeight = 0; // PHTbar
    int statusBarHeight = 0;
    int sidePanelWidth = 0; // PWEB
    bool translationShown = false;
    bool sidePanelShown = true;
};

struct MainLayout
{
    QRect editorPane;     // PTfon
    QRect sidePanel;      // PWEB (left as it was when the panel is hidden)
    QRect translationBox; // TXTtargmna (empty unless shown)
    QRect splitter;       // PGm
};

// The room the status bar takes at the bottom when no translation box is shown.
constexpr int kStatusBarRoom = 20;

MainLayout layOutMainWindow(const MainLayoutInput& in);

// The splitter bar: dragging stops past 135 to the left and 250 to the right.
constexpr int kSplitterLeftmost = 135;
constexpr int kSplitterRightmost = 250;

// Whether a drag at x (within the bar, grabbed at grabX) may move the bar at barLeft.
bool splitterMayMove(int barLeft, int x, int grabX);

struct SplitterRelease
{
    int sidePanelWidth;
    int editorLeft;
    int editorWidth;
    int barLeft;
};
// Where the panes go when the bar is let go at barLeft in a window of the given width.
SplitterRelease releaseSplitter(int barLeft, int windowWidth);

// The side panel's own pages, in twips of the panel.
struct SidePanelPages
{
    QRect tabs;     // TAB1
    QRect tree;     // TV
    QRect filePage; // Pfile
};
SidePanelPages layOutSidePanel(int innerWidth, int innerHeight);

struct FilePageLayout
{
    int driveWidth;
    int folderWidth;
    int folderHeight;
    int listTop;
    int listWidth;
    int listHeight;
};
// The file page: drive box, folder list and file list, in twips of the page.
FilePageLayout layOutFilePage(int pageWidth, int pageHeight, int driveHeight, int folderTop);
