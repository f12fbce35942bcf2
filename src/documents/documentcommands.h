#pragma once

// The documents subsystem: opening files, the tree of open files as the document switcher,
// new, closing and saving documents, each in a class of its own. This class creates them,
// puts their commands into the File menu and answers the editor's events for them. Web
// projects are a subsystem of their own, reached through projects().
// They work on the program through the command context, on the documents through its one
// DocumentState, and ask the user through the prompts.

#include <QObject>

#include <memory>

class CommandContext;
class DocumentState;
class OpenCommands;
class QAction;
class SaveCommands;
class TreeCommands;
class WebProjects;

class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    explicit DocumentCommands(CommandContext& context);
    ~DocumentCommands() override;

    DocumentState& state();
    OpenCommands& opening() { return *m_opening; }
    TreeCommands& tree() { return *m_tree; }
    SaveCommands& saving() { return *m_saving; }
    // The web projects, which the main window creates beside the documents.
    WebProjects& projects();

    // The editor's events, in the order the editor's subscriber calls them.
    void T1_Change();
    void T1_GotFocus();

    // Save follows the current document; Save As whether anything can be saved.
    void enableSave(bool enabled);
    void enableSaveAs(bool enabled);
    // A document was added and is shown: the tree lists it with its node selected, and it
    // can be saved.
    void showAdded(qint16 index);
    // The window's caption: in the single-file state with the path of what the editor holds;
    // in the collection state, where the tree shows which document is open, without.
    void showCaptionFor(const QString& path);
    void showPlainCaption();
    // The picture window for a picture file, or a word that it cannot be shown.
    void showPicture(const QString& path);

private:
    void addMenuCommands();

    CommandContext& m_context;
    std::unique_ptr<TreeCommands> m_tree;
    std::unique_ptr<SaveCommands> m_saving;
    std::unique_ptr<OpenCommands> m_opening;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveas = nullptr;
};
