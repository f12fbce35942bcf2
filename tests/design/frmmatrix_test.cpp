#include "design/frmmatrix.h"

#include "design/designcommands.h"
#include "designwindow.h"
#include "documents/documentfiles.h"
#include "platform/browser.h"
#include "platform/paths.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

#include <fcntl.h>
#include <unistd.h>

namespace {

class MatrixWindow : public DesignWindow
{
protected:
    // The matrix folder holding the named files, each holding its text.
    void matrices(std::initializer_list<std::pair<const char*, const char*>> files)
    {
        QDir().mkpath(matrixFolder());
        for (const auto& [name, text] : files)
            writeFile(joinPath(matrixFolder(), QLatin1String(name)), text);
    }
    static QString path(const char* name) { return joinPath(matrixFolder(), QLatin1String(name)); }

    static QToolButton* button(const frmMatrix& dialog, int index)
    {
        return control<QToolButton>(dialog, QStringLiteral("COK(%1)").arg(index));
    }
    static void press(const frmMatrix& dialog, int index)
    {
        QTest::mouseClick(button(dialog, index), Qt::LeftButton);
    }
    static QListWidget* list(const frmMatrix& dialog)
    {
        return control<QListWidget>(dialog, s("List1"));
    }
    static QStringList entries(const frmMatrix& dialog)
    {
        QStringList names;
        for (int row = 0; row < list(dialog)->count(); ++row)
            names << list(dialog)->item(row)->text();
        return names;
    }
    // Which of Browse, Add New File, Exit, Open, Delete File and HTML can be pressed.
    static QString enabledButtons(const frmMatrix& dialog)
    {
        QString states;
        for (int i = 0; i < 6; ++i)
            states += button(dialog, i)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return states;
    }
    static bool pageShown(const frmMatrix& dialog)
    {
        return control<Browser>(dialog, s("WBR"))->isVisible();
    }
    static bool sourceShown(const frmMatrix& dialog)
    {
        return control<QPlainTextEdit>(dialog, s("Text1"))->isVisible();
    }

    // Runs matrica, acting on the modal window once it shows.
    QString matricaActing(const std::function<void(frmMatrix&)>& act)
    {
        QTimer::singleShot(0, [&] {
            auto* shown = qobject_cast<frmMatrix*>(QApplication::activeModalWidget());
            if (!shown) {
                ADD_FAILURE() << "no matrix window shown";
                if (QWidget* other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            act(*shown);
        });
        return frmMatrix::matrica(&window.frame);
    }
};

} // namespace

TEST_F(MatrixWindow, ListedMatricesShowAsPageOrSourceAndTheButtonsFollowTheSelection)
{
    matrices({{"b.htm", "<P>b</P>"}, {"a.html", "<P>\xC0\r\nline</P>"}, {"c.txt", "text"}});
    frmMatrix dialog(&window.frame);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), s("HTML Matrix"));
    EXPECT_EQ(entries(dialog), (QStringList{s("a.html"), s("b.htm")}));
    EXPECT_EQ(enabledButtons(dialog), s("011000"));
    EXPECT_FALSE(pageShown(dialog));

    list(dialog)->setCurrentRow(0);
    EXPECT_EQ(enabledButtons(dialog), s("111111"));
    EXPECT_TRUE(pageShown(dialog));
    press(dialog, 5);
    EXPECT_TRUE(sourceShown(dialog));
    EXPECT_FALSE(pageShown(dialog));
    EXPECT_EQ(control<QPlainTextEdit>(dialog, s("Text1"))->toPlainText(),
              QStringLiteral("<P>\u00C0\nline</P>"));
    list(dialog)->setCurrentRow(1);
    EXPECT_TRUE(pageShown(dialog)) << "another entry is shown as a page";
    EXPECT_FALSE(sourceShown(dialog));
    press(dialog, 5);
    press(dialog, 0);
    EXPECT_TRUE(pageShown(dialog));
    EXPECT_TRUE(control<QPlainTextEdit>(dialog, s("Text1"))->toPlainText().isEmpty());
}

TEST_F(MatrixWindow, AClickOnTheSelectedEntryLeavesTheSourceView)
{
    matrices({{"a.html", "<P>a</P>"}, {"b.html", "<P>b</P>"}});
    frmMatrix dialog(&window.frame);
    dialog.show();
    const auto clickEntry = [&](int row) {
        QListWidget* entries = list(dialog);
        QTest::mouseClick(entries->viewport(), Qt::LeftButton, {},
                          entries->visualItemRect(entries->item(row)).center());
    };
    clickEntry(1);
    EXPECT_TRUE(pageShown(dialog));
    press(dialog, 5);
    ASSERT_TRUE(sourceShown(dialog));
    clickEntry(1);
    EXPECT_EQ(list(dialog)->currentRow(), 1);
    EXPECT_TRUE(pageShown(dialog));
    EXPECT_FALSE(sourceShown(dialog));
}

TEST_F(MatrixWindow, AMatrixNamedIn8BitGeorgianIsListedShownOpenedAndDeleted)
{
    matrices({{"a.html", "<P>a</P>"}});
    // A name no UTF-8 decoder takes, made with the file system's own call.
    const QByteArray named = QFile::encodeName(matrixFolder()) + "/\xC0\xC1\xC2.html";
    const QByteArray content("<HTML><BODY>\xC0</BODY></HTML>");
    const int handle = ::open(named.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(handle, 0);
    ASSERT_EQ(::write(handle, content.constData(), size_t(content.size())), content.size());
    ::close(handle);

    {
        frmMatrix dialog(&window.frame);
        dialog.show();
        EXPECT_EQ(entries(dialog),
                  (QStringList{s("a.html"), QStringLiteral("\u10D0\u10D1\u10D2.html")}));
        QSignalSpy loads(control<Browser>(dialog, s("WBR")), &Browser::loadFinished);
        list(dialog)->setCurrentRow(1);
        ASSERT_TRUE(loads.wait(20000));
        EXPECT_TRUE(loads.first().first().toBool()) << "the preview finds the file";
        press(dialog, 5);
        EXPECT_EQ(control<QPlainTextEdit>(dialog, s("Text1"))->toPlainText(),
                  QStringLiteral("<HTML><BODY>\u00C0</BODY></HTML>"));
    }

    DesignCommands(window).openMatrix(matricaActing([](frmMatrix& shown) {
        list(shown)->setCurrentRow(1);
        press(shown, 3);
    }));
    EXPECT_EQ(editorText(), QString::fromLatin1(content));

    answers.answer(s("6"));
    frmMatrix dialog(&window.frame);
    dialog.show();
    list(dialog)->setCurrentRow(1);
    press(dialog, 4);
    EXPECT_NE(::access(named.constData(), F_OK), 0) << "deleted";
    EXPECT_EQ(entries(dialog), QStringList{s("a.html")});
    EXPECT_TRUE(asked("failure").isEmpty());
}

TEST_F(MatrixWindow, AddMakesTheFolderAndNeverLosesAMatrixCopiedOntoItself)
{
    const QString source = file(s("new.html"), "new matrix");
    answers.answer(source);
    frmMatrix dialog(&window.frame);
    EXPECT_TRUE(entries(dialog).isEmpty()) << "no folder, no matrices";
    press(dialog, 1);
    EXPECT_EQ(asked("open"), QStringList{s("HTML-HTM|*.html;*.htm")});
    EXPECT_EQ(entries(dialog), QStringList{s("new.html")});
    EXPECT_EQ(readFile(path("new.html")), QByteArray("new matrix"));

    answers.answer(path("new.html"));
    press(dialog, 1);
    EXPECT_EQ(readFile(path("new.html")), QByteArray("new matrix"));
    answers.answer(QString()); // cancelled
    answers.answer(folders.root());
    press(dialog, 1);
    press(dialog, 1);
    EXPECT_EQ(asked("failure").size(), 1) << "a failed copy is told";
    EXPECT_EQ(entries(dialog), QStringList{s("new.html")});
}

TEST_F(MatrixWindow, DeleteAsksAndThenPreviewsTheSamePositionOrHidesTheViews)
{
    struct Row
    {
        int count;
        int position;
        const char* answer;
        int selectedAfter;
        bool page;
    };
    const Row rows[] = {{3, 0, "6", 0, true}, {3, 1, "6", -1, false}, {3, 2, "6", -1, false},
                        {5, 2, "6", 2, true}, {3, 1, "7", 1, true},   {1, 0, "6", -1, false}};
    for (const Row& row : rows) {
        QDir(matrixFolder()).removeRecursively();
        for (int i = 0; i < row.count; ++i)
            matrices({{qPrintable(QStringLiteral("m%1.html").arg(i)), "<P>m</P>"}});
        answers.answer(QLatin1String(row.answer));
        frmMatrix dialog(&window.frame);
        dialog.show();
        list(dialog)->setCurrentRow(row.position);
        const QString chosen = path(qPrintable(QStringLiteral("m%1.html").arg(row.position)));
        press(dialog, 4);
        const bool yes = row.answer[0] == '6';
        EXPECT_EQ(QFileInfo::exists(chosen), !yes);
        EXPECT_EQ(entries(dialog).size(), row.count - (yes ? 1 : 0));
        EXPECT_EQ(list(dialog)->currentRow(), row.selectedAfter) << row.count << row.position;
        EXPECT_EQ(pageShown(dialog), row.page) << row.count << row.position;
        EXPECT_EQ(enabledButtons(dialog), entries(dialog).isEmpty() ? s("011000") : s("111111"));
    }
    EXPECT_EQ(asked("message").first(), s("marTla ginda am matricis waSla?"));
}

TEST_F(MatrixWindow, OnlyOpenLeavesWithAPath)
{
    matrices({{"a.html", "<P>a</P>"}, {"b.html", "<P>b</P>"}});
    EXPECT_EQ(matricaActing([](frmMatrix& shown) {
                  list(shown)->setCurrentRow(1);
                  press(shown, 3);
              }),
              path("b.html"));
    EXPECT_EQ(matricaActing([](frmMatrix& shown) {
                  press(shown, 3); // nothing selected: Open does nothing
                  list(shown)->setCurrentRow(0);
                  press(shown, 2);
              }),
              QString());
    EXPECT_EQ(matricaActing([](frmMatrix& shown) {
                  list(shown)->setCurrentRow(0);
                  shown.close();
              }),
              QString());
}

TEST_F(MatrixWindow, ThePreviewLoadsExistingLocalFilesOnly)
{
    matrices({{"a.html", "<HTML><HEAD><TITLE>matrix \xC0</TITLE></HEAD><BODY>"
                         "<A id=out href=\"https://example.org/\">out</A></BODY></HTML>"}});
    EXPECT_TRUE(frmMatrix::mayLoad(QUrl::fromLocalFile(path("a.html"))));
    EXPECT_FALSE(frmMatrix::mayLoad(QUrl(s("https://example.org/a.html"))));
    EXPECT_FALSE(frmMatrix::mayLoad(QUrl::fromLocalFile(path("missing.html"))));
    EXPECT_FALSE(frmMatrix::mayLoad(QUrl::fromLocalFile(matrixFolder())));
    EXPECT_FALSE(frmMatrix::mayLoad(QUrl()));

    frmMatrix dialog(&window.frame);
    dialog.show();
    auto* browser = control<Browser>(dialog, s("WBR"));
    QSignalSpy loads(browser, &Browser::loadFinished);
    list(dialog)->setCurrentRow(0);
    ASSERT_TRUE(loads.wait(20000));
    EXPECT_TRUE(loads.first().first().toBool());
    QString title;
    QEventLoop waiting;
    browser->runScript(s("document.title"), [&](const QVariant& value) {
        title = value.toString();
        waiting.quit();
    });
    QTimer::singleShot(10000, &waiting, &QEventLoop::quit);
    waiting.exec();
    EXPECT_EQ(title, QStringLiteral("matrix \u00C0"));
}

// --- A new document from a matrix -----------------------------------------------------------

TEST_F(MatrixWindow, AMatrixBecomesANewDocumentAndKeepsTheUsersText)
{
    DesignCommands design(window);
    const QString matrix = file(s("m.html"), "<P>matrix</P>");

    design.openMatrix(matrix);
    EXPECT_EQ(state().DocsMode(), 0) << "an empty editor takes the matrix as its text";
    EXPECT_EQ(editorText(), s("<P>matrix</P>"));
    EXPECT_TRUE(state().EditorPath().isEmpty());

    design.openMatrix(matrix);
    ASSERT_EQ(state().Docs().Count(), 2);
    EXPECT_EQ(item(0).FileTitle, s("nosaved0.HTML"));
    EXPECT_EQ(item(0).Value, s("<P>matrix</P>"));
    EXPECT_EQ(item(1).FileTitle, s("nosaved1.HTML"));
    EXPECT_EQ(item(1).Changed, -1);
    EXPECT_EQ(state().DocIndex(), 1);

    window.T1->setSelStart(0);
    window.T1->setSelText(s("edited "));
    design.openMatrix(folders.root() + s("/vanished.html"));
    ASSERT_EQ(state().Docs().Count(), 3);
    EXPECT_EQ(item(1).Value, s("edited <P>matrix</P>")) << "stored before the new one shows";
    EXPECT_EQ(editorText(), QString()) << "a vanished matrix is an empty page";

    answers.answer(s("6"));
    design.openMatrix(file(s("picture.html"), QByteArray("GIF89a\0\0", 8)));
    EXPECT_EQ(state().Docs().Count(), 3) << "what is no text makes nothing";
    EXPECT_EQ(asked("message"), QStringList{refusalMessage(FileStatus::NotText)});
    design.openMatrix(QString());
    EXPECT_EQ(state().Docs().Count(), 3);

    // A named single file is adopted with its path and left unwritten.
    const QString mine = file(s("mine.html"), "mine");
    state().resetToSingleFile(FilePath(mine), s("mine"));
    design.openMatrix(matrix);
    ASSERT_EQ(state().Docs().Count(), 2);
    EXPECT_EQ(item(0).filepath, mine);
    EXPECT_EQ(item(0).Changed, 0);
    EXPECT_EQ(item(1).Value, s("<P>matrix</P>"));
    EXPECT_EQ(readFile(mine), QByteArray("mine"));
}
