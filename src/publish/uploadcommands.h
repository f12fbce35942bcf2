#pragma once

// The FTP upload command: "FTP Upload" in the Extras menu shows the upload window modally.

#include <QObject>

class CommandContext;

class UploadCommands : public QObject
{
    Q_OBJECT

public:
    explicit UploadCommands(CommandContext& context);

    void mnuftp_Click();

private:
    CommandContext& m_context;
};
