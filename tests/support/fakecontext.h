#pragma once

// A command context for testing a subsystem without the main window: a real editor, tree
// of open files, document state and menu registry in a plain frame, with the frame's other
// services recorded.

#include "core/commandcontext.h"
#include "documents/documentstate.h"
#include "documents/editorcontroltext.h"
#include "menus/menuregistry.h"
#include "platform/editorcontrol.h"

#include <QAction>
#include <QMainWindow>
#include <QStringList>
#include <QTreeWidget>

#include <array>

class FakeContext : public CommandContext
{
public:
    FakeContext();

    QWidget& owner() override { return frame; }
    EditorControl& editor() override { return *T1; }
    DocumentState& documents() override { return state; }
    MenuRegistry& registry() override { return menus; }
    Subsystems& subsystems() override { return parts; }
    void setStatus(StatusPanel panel, const QString& text) override;
    LanguageMode languageMode() const override { return mode; }
    void setLanguageMode(LanguageMode newMode) override { mode = newMode; }
    void setCaption(const QString& text) override { caption = text; }
    QTreeWidget& openFilesTree() override { return *TV; }
    void showTreePage() override { ++treePageShown; }
    void showSidePanel() override { ++sidePanelShown; }
    QWidget& editorContainer() override { return frame; }
    bool decodedViewShown() const override { return decodedShown; }
    void showDecodedView(bool shown) override { decodedShown = shown; }
    void setDecodedViewText(const QString& byteText) override { decodedText = byteText; }
    void selectionCleared() override { ++selectionsCleared; }
    void applyEditorAppearance() override { ++appearanceApplied; }
    void applyWrapMargin() override { ++wrapMarginsApplied; }
    bool ctrlDown() const override { return ctrl; }
    bool showPicture(const QString& path) override;

    QString status(StatusPanel panel) const { return panels[size_t(panel)]; }
    bool enabled(const char* command) const { return menus.action(command)->isEnabled(); }

    QMainWindow frame;
    EditorControl* T1;
    QTreeWidget* TV;
    EditorControlText editorText;
    DocumentState state;
    MenuRegistry menus;
    Subsystems parts;
    LanguageMode mode = LanguageMode::Latin;
    std::array<QString, 5> panels;
    QString caption;
    int treePageShown = 0;
    int sidePanelShown = 0;
    bool decodedShown = false;
    QString decodedText;
    int selectionsCleared = 0;
    int appearanceApplied = 0;
    int wrapMarginsApplied = 0;
    bool ctrl = false;
    QStringList pictures;
    bool picturesShow = true; // what showPicture answers
};
