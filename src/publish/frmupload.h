#pragma once

// The upload window "FTP Upload", shown modally: one chosen file, or every open document
// that has a file, goes to an FTP server with one of the stored accounts, each step logged
// in Georgian. Its account panel (opened by "parametrebi") adds, edits and deletes the
// accounts, which "OK" writes to FTP.ini. The window starts afresh at each showing: the
// accounts read again, "Binary" chosen. While a run is active, "UPLOAD", the panel button,
// the log's close button and closing the window are refused.

#include "platform/ftpclient.h"
#include "publish/ftpaccountediting.h"

#include <QDialog>

#include <array>

class CommandContext;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

class frmupload : public QDialog
{
    Q_OBJECT

public:
    // Uploads go to port ftpPort of the account's server (21; tests give their server's).
    explicit frmupload(CommandContext& context, quint16 ftpPort = FtpClient::kDefaultPort,
                       FtpLimits limits = {});
    ~frmupload() override;

    // The type the option buttons chose, used by the single mode.
    FtpTransfer TransferType() const { return m_transferType; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildUploadFrame();
    void buildLogFrame();
    void buildAccountPanel();
    void Form_Load();

    // The upload frame.
    void Cfile_Click();
    void CKalopF_Click();
    void CBaccount_Click();
    void Cupload_Click();
    void Command1_Click();
    void Command4_Click();
    void ShowProgress(int percent);
    void showLog(const QString& log);
    void setRunning(bool running);

    // The account panel.
    void List1_Click();
    void Command2_Click(int index);
    void Command5_Click();
    void showPanel(bool open);
    void fillAccountChoice();
    void setBoxes(const AccountBoxes& boxes);
    // The boxes as byte text; nothing, after telling the user which box, when one holds a
    // character that has no 8-bit code.
    std::optional<AccountBoxes> enteredBoxes();
    void selectListEntry(int index);

    CommandContext& m_context;
    FtpClient m_client;
    FtpAccounts m_accounts;
    FtpAccountEditing m_editing{m_accounts};
    FtpTransfer m_transferType = FtpTransfer::Binary;
    bool m_running = false;
    bool m_panelOpen = false;

    QGroupBox* FR1;
    QLineEdit* Tfile;
    QPushButton* Cfile;
    QCheckBox* CKalopF;
    QComboBox* CBaccount;
    QComboBox* CBdir;
    QRadioButton* OPA;
    QRadioButton* OPB;
    QPushButton* Cupload;
    QPushButton* Command3;
    QPushButton* Command4;

    QGroupBox* FR2;
    QPlainTextEdit* Tinf;
    QProgressBar* PST;
    QPushButton* Command1;

    QWidget* m_panel;
    QListWidget* List1;
    std::array<QLineEdit*, kAccountFieldCount> Text2{};
    std::array<QPushButton*, 4> Command2{};
    QPushButton* Command5;
};
