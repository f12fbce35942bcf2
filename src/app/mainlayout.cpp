#include "app/mainlayout.h"

#include <algorithm>

MainLayout layOutMainWindow(const MainLayoutInput& in)
{
    MainLayout out;
    const int top = in.toolbarHeight;
    // A window made very small gives its panes no height, never a negative one.
    int paneHeight = std::max(0, in.height - (top + kStatusBarRoom));
    int translationHeight = 0;
    if (in.translationShown) {
        const int available = std::max(0, in.height - (in.statusBarHeight + in.toolbarHeight));
        translationHeight = available * 10 / 100;
        paneHeight = available - translationHeight;
    }

    const int paneLeft = in.sidePanelShown ? in.sidePanelWidth + 2 : 0;
    out.editorPane = QRect(paneLeft, top, in.width - paneLeft, paneHeight);
    out.sidePanel = QRect(0, top, in.sidePanelWidth, paneHeight);
    if (in.translationShown)
        out.translationBox = QRect(0, top + paneHeight, in.width, translationHeight);
    out.splitter = QRect(paneLeft - 4, top, 4, paneHeight);
    return out;
}

bool splitterMayMove(int barLeft, int x, int grabX)
{
    const bool pastLeft = barLeft < kSplitterLeftmost && x < grabX;
    const bool pastRight = barLeft > kSplitterRightmost && x > grabX;
    return !pastLeft && !pastRight;
}

SplitterRelease releaseSplitter(int barLeft, int windowWidth)
{
    const int left = barLeft < kSplitterLeftmost ? kSplitterLeftmost : barLeft;
    return {left, left + 3, windowWidth - (left + 4), left};
}

SidePanelPages layOutSidePanel(int innerWidth, int innerHeight)
{
    return {QRect(0, 0, innerWidth, innerHeight),
            QRect(30, 390, innerWidth - 60, innerHeight - 390),
            QRect(30, 390, innerWidth - 60, innerHeight - 300)};
}

FilePageLayout layOutFilePage(int pageWidth, int pageHeight, int driveHeight, int folderTop)
{
    const int rest = pageHeight - driveHeight;
    const int folderHeight = rest / 2 - 500;
    const int listHeight = rest - folderHeight - 120;
    return {pageWidth - 30, pageWidth - 30, folderHeight, folderTop + folderHeight + 15,
            pageWidth - 30, listHeight};
}
